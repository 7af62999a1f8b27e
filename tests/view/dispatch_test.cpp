// Every member of the control's interface is reached by its member identifier.

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <set>

#include "board_look.h"
#include <quillboard/member_ids.h>

using namespace quill;

namespace {

struct MemberCase {
    const char* name;
    std::int32_t id;
    CallKind kind;
    QVariantList args;
    QVariant result; // expected, or invalid when the call returns nothing of interest
    // What the call did to a board that had a new game set up.
    std::function<bool(Varnel&)> after = [](Varnel&) { return true; };
};

const Picture kIcon = boardlook::solidIcon(QColor(255, 0, 0), 37);

TEST(MemberDispatch, EveryIdentifierReachesItsMember)
{
    using K = CallKind;
    namespace m = member;
    // clang-format off
    const MemberCase cases[] = {
        {"Enabled get", m::Enabled, K::Get, {}, -1},
        {"Enabled let", m::Enabled, K::Let, {0}, {}, [](Varnel& b) { return !b.Enabled(); }},
        {"NewGame", m::NewGame, K::Method, {}, {}, [](Varnel& b) { return b.piece(5, 8) == wking; }},
        {"Clear", m::Clear, K::Method, {}, {}, [](Varnel& b) { return b.piece(5, 8) == None; }},
        {"IsSelected", m::IsSelected, K::Get, {1, 1}, 0},
        {"piece get", m::Piece, K::Get, {4, 1}, BQueen},
        {"piece let", m::Piece, K::Let, {3, 3, Wknight}, {}, [](Varnel& b) { return b.piece(3, 3) == Wknight; }},
        {"Picture get", m::Picture, K::Get, {Wpawn}, QVariant::fromValue(kIcon)},
        {"Picture set", m::Picture, K::Set, {Bpawn, QVariant::fromValue(kIcon)}, {},
         [](Varnel& b) { return b.Picture(Bpawn) == kIcon; }},
        {"ChangeBoardSize", m::ChangeBoardSize, K::Method, {1600}, {},
         [](Varnel& b) { return std::abs(b.squareSide() - 13.333) < 0.001; }},
        {"SelectSquare", m::SelectSquare, K::Method, {2, 2}, {}, [](Varnel& b) { return b.IsSelected(2, 2); }},
        {"UnSelectSquare", m::UnSelectSquare, K::Method, {2, 2}, {}, [](Varnel& b) { return !b.IsSelected(2, 2); }},
        {"MovePiece", m::MovePiece, K::Method, {5, 7, 5, 5}, {}, [](Varnel& b) { return b.piece(5, 5) == Wpawn; }},
        {"About", m::About, K::Method, {}, {}},
        {"IsLegalMove true", m::IsLegalMove, K::Method, {5, 7, 5, 5}, -1},
        {"IsLegalMove false", m::IsLegalMove, K::Method, {5, 7, 5, 4}, 0},
        {"RotateBoard", m::RotateBoard, K::Method, {}, {}, [](Varnel& b) { return b.isRotated(); }},
        {"IsKingChecked", m::IsKingChecked, K::Method, {wking}, 0},
        {"DragStyle get", m::DragStyle, K::Get, {}, DragMove},
        {"DragStyle let", m::DragStyle, K::Let, {DragCopy}, {}, [](Varnel& b) { return b.DragStyle() == DragCopy; }},
        {"EnableDrag get", m::EnableDrag, K::Get, {}, 0},
        {"EnableDrag let", m::EnableDrag, K::Let, {-1}, {}, [](Varnel& b) { return b.EnableDrag(); }},
        {"BoardStyle get", m::BoardStyle, K::Get, {}, Modern},
        {"BoardStyle let", m::BoardStyle, K::Let, {Classic}, {},
         [](Varnel& b) { return b.Picture(Wpawn) == ImageSet::classic().at(Wpawn); }},
        {"SelectionColor get", m::SelectionColor, K::Get, {}, 0xFF0000},
        {"SelectionColor let", m::SelectionColor, K::Let, {255}, {},
         [](Varnel& b) { return b.SelectionColor() == 255u; }},
        // The pawns were drawn before the picture changed; a refresh shows the new one.
        {"RefreshBoard", m::RefreshBoard, K::Method, {}, {}, [](Varnel& b) {
             return !boardlook::boxOf(boardlook::grab(b), QColor(255, 0, 0), boardlook::cell(0, 6)).isNull(); }},
    };
    // clang-format on
    QStringList abouts;
    Varnel::setAboutPresenter([&](QWidget*, const QString&, const QString& text) { abouts.append(text); });
    std::set<std::int32_t> reached;
    for (const MemberCase& c : cases) {
        SCOPED_TRACE(c.name);
        Varnel board;
        board.NewGame();
        board.setPicture(Wpawn, kIcon);
        const QVariant result = board.invoke(c.id, c.kind, c.args);
        if (c.result.userType() == qMetaTypeId<Picture>()) {
            EXPECT_EQ(result.value<Picture>(), c.result.value<Picture>());
        } else if (c.result.isValid()) {
            ASSERT_TRUE(result.isValid());
            EXPECT_EQ(result.toLongLong(), c.result.toLongLong());
        }
        EXPECT_TRUE(c.after(board));
        reached.insert(c.id);
    }
    Varnel::setAboutPresenter(nullptr);
    EXPECT_EQ(reached.size(), 19u);
    ASSERT_EQ(abouts.size(), 1);
    EXPECT_TRUE(abouts.first().contains("Quillboard4_5"));
}

TEST(MemberDispatch, MisuseIsReportedWithTheRightNumber)
{
    struct Case {
        const char* name;
        std::int32_t id;
        CallKind kind;
        QVariantList args;
        std::int32_t number;
    };
    const Case cases[] = {
        {"unknown identifier", 0x60030063, CallKind::Method, {}, dispatch_error::MemberNotFound},
        {"property called as a method", member::BoardStyle, CallKind::Method, {}, dispatch_error::MemberNotFound},
        {"method read as a property", member::NewGame, CallKind::Get, {}, dispatch_error::MemberNotFound},
        {"IsSelected has no let", member::IsSelected, CallKind::Let, {1, 1, -1}, dispatch_error::MemberNotFound},
        {"missing argument", member::MovePiece, CallKind::Method, {5, 7, 5}, dispatch_error::BadParamCount},
        {"text for a number", member::Piece, CallKind::Get, {"e", 2}, dispatch_error::TypeMismatch},
        {"column beyond 16 bits", member::Piece, CallKind::Get, {70000, 1}, dispatch_error::Overflow},
        {"member's own error", member::Piece, CallKind::Get, {0, 1}, error::InvalidSquareOnRead},
        {"not a king", member::IsKingChecked, CallKind::Method, {WQueen}, error::NotAKing},
    };
    for (const Case& c : cases)
        EXPECT_EQ(boardlook::errorNumberOf([&] { Varnel().invoke(c.id, c.kind, c.args); }), c.number) << c.name;
}

} // namespace
