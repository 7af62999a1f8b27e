// Every member of the control's interface is reached by its member identifier.

#include <functional>
#include <gtest/gtest.h>
#include <set>

#include "board_look.h"
#include "member_ids.h"

using namespace quill;

namespace {

struct MemberCase {
    const char* name;
    std::int32_t id;
    CallKind kind;
    QVariantList args;
    // Checks the result and what the call did to a board that had a new game set up.
    std::function<void(Varnel&, const QVariant&)> check;
};

const Picture kIcon = boardlook::solidIcon(QColor(255, 0, 0), 37);

std::vector<MemberCase> memberCases()
{
    using K = CallKind;
    namespace m = member;
    return {
        {"Enabled get", m::Enabled, K::Get, {}, [](Varnel&, const QVariant& r) { EXPECT_EQ(r, -1); }},
        {"Enabled let", m::Enabled, K::Let, {0}, [](Varnel& b, const QVariant&) { EXPECT_FALSE(b.Enabled()); }},
        {"NewGame", m::NewGame, K::Method, {}, [](Varnel& b, const QVariant&) { EXPECT_EQ(b.piece(5, 8), wking); }},
        {"Clear", m::Clear, K::Method, {}, [](Varnel& b, const QVariant&) { EXPECT_EQ(b.piece(5, 8), None); }},
        {"IsSelected", m::IsSelected, K::Get, {1, 1}, [](Varnel&, const QVariant& r) { EXPECT_EQ(r, 0); }},
        {"piece get", m::Piece, K::Get, {4, 1}, [](Varnel&, const QVariant& r) { EXPECT_EQ(r, BQueen); }},
        {"piece let",
         m::Piece,
         K::Let,
         {3, 3, Wknight},
         [](Varnel& b, const QVariant&) { EXPECT_EQ(b.piece(3, 3), Wknight); }},
        {"Picture get",
         m::Picture,
         K::Get,
         {Wpawn},
         [](Varnel& b, const QVariant& r) { EXPECT_EQ(r.value<Picture>(), b.Picture(Wpawn)); }},
        {"Picture set",
         m::Picture,
         K::Set,
         {Wpawn, QVariant::fromValue(kIcon)},
         [](Varnel& b, const QVariant&) { EXPECT_EQ(b.Picture(Wpawn), kIcon); }},
        {"ChangeBoardSize",
         m::ChangeBoardSize,
         K::Method,
         {1600},
         [](Varnel& b, const QVariant&) { EXPECT_NEAR(b.squareSide(), 13.333, 0.001); }},
        {"SelectSquare",
         m::SelectSquare,
         K::Method,
         {2, 2},
         [](Varnel& b, const QVariant&) { EXPECT_TRUE(b.IsSelected(2, 2)); }},
        {"UnSelectSquare",
         m::UnSelectSquare,
         K::Method,
         {2, 2},
         [](Varnel& b, const QVariant&) { EXPECT_FALSE(b.IsSelected(2, 2)); }},
        {"MovePiece",
         m::MovePiece,
         K::Method,
         {5, 7, 5, 5},
         [](Varnel& b, const QVariant&) { EXPECT_EQ(b.piece(5, 5), Wpawn); }},
        {"About", m::About, K::Method, {}, [](Varnel&, const QVariant&) {}},
        {"IsLegalMove true",
         m::IsLegalMove,
         K::Method,
         {5, 7, 5, 5},
         [](Varnel&, const QVariant& r) { EXPECT_EQ(r, -1); }},
        {"IsLegalMove false",
         m::IsLegalMove,
         K::Method,
         {5, 7, 5, 4},
         [](Varnel&, const QVariant& r) { EXPECT_EQ(r, 0); }},
        {"RotateBoard", m::RotateBoard, K::Method, {}, [](Varnel& b, const QVariant&) { EXPECT_TRUE(b.isRotated()); }},
        {"IsKingChecked", m::IsKingChecked, K::Method, {wking}, [](Varnel&, const QVariant& r) { EXPECT_EQ(r, 0); }},
        {"DragStyle get", m::DragStyle, K::Get, {}, [](Varnel&, const QVariant& r) { EXPECT_EQ(r, DragMove); }},
        {"DragStyle let",
         m::DragStyle,
         K::Let,
         {DragCopy},
         [](Varnel& b, const QVariant&) { EXPECT_EQ(b.DragStyle(), DragCopy); }},
        {"EnableDrag get", m::EnableDrag, K::Get, {}, [](Varnel&, const QVariant& r) { EXPECT_EQ(r, 0); }},
        {"EnableDrag let",
         m::EnableDrag,
         K::Let,
         {-1},
         [](Varnel& b, const QVariant&) { EXPECT_TRUE(b.EnableDrag()); }},
        {"BoardStyle get", m::BoardStyle, K::Get, {}, [](Varnel&, const QVariant& r) { EXPECT_EQ(r, Modern); }},
        {"BoardStyle let",
         m::BoardStyle,
         K::Let,
         {Classic},
         [](Varnel& b, const QVariant&) { EXPECT_EQ(b.Picture(Wpawn), ImageSet::classic().at(Wpawn)); }},
        {"SelectionColor get",
         m::SelectionColor,
         K::Get,
         {},
         [](Varnel&, const QVariant& r) { EXPECT_EQ(r.toLongLong(), 0xFF0000); }},
        {"SelectionColor let",
         m::SelectionColor,
         K::Let,
         {255},
         [](Varnel& b, const QVariant&) { EXPECT_EQ(b.SelectionColor(), 255u); }},
        {"RefreshBoard",
         m::RefreshBoard,
         K::Method,
         {},
         [](Varnel& b, const QVariant&) {
             // The pawns were drawn before the picture changed; a refresh shows the new one.
             EXPECT_FALSE(boardlook::boxOf(boardlook::grab(b), QColor(255, 0, 0), boardlook::cell(0, 6)).isNull());
         }},
    };
}

TEST(MemberDispatch, EveryIdentifierReachesItsMember)
{
    QStringList abouts;
    Varnel::setAboutPresenter([&](QWidget*, const QString&, const QString& text) { abouts.append(text); });
    std::set<std::int32_t> reached;
    for (const MemberCase& c : memberCases()) {
        SCOPED_TRACE(c.name);
        Varnel board;
        board.NewGame();
        board.setPicture(Wpawn, kIcon);
        const QVariant result = board.invoke(c.id, c.kind, c.args);
        c.check(board, result);
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
    for (const Case& c : cases) {
        Varnel board;
        try {
            board.invoke(c.id, c.kind, c.args);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const ControlError& e) {
            EXPECT_EQ(e.number(), c.number) << c.name;
        }
    }
}

} // namespace
