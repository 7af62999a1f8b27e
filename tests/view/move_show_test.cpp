// Showing a move: which pieces slide and which are taken for each kind of move,
// the move's squares tinted, and a slide that ends where the piece stands.

#include <gtest/gtest.h>

#include <QTest>

#include "board_look.h"
#include <quillboard/move_show.h>

using namespace quill;
using namespace boardlook;

namespace {

Position start()
{
    Position p{};
    p.fill(None);
    p[SquareIndex(5, 1)] = wking;
    p[SquareIndex(8, 1)] = Wrook;
    p[SquareIndex(5, 8)] = Bking;
    p[SquareIndex(4, 5)] = Bpawn;
    p[SquareIndex(5, 5)] = Wpawn;
    p[SquareIndex(1, 7)] = Wpawn;
    p[SquareIndex(2, 8)] = Bknight;
    return p;
}

} // namespace

TEST(MoveShow, SlidesTakenPiecesAndMarkedSquaresForEachKindOfMove)
{
    const int e1 = SquareIndex(5, 1), g1 = SquareIndex(7, 1), h1 = SquareIndex(8, 1), f1 = SquareIndex(6, 1);
    const int e5 = SquareIndex(5, 5), d6 = SquareIndex(4, 6), d5 = SquareIndex(4, 5);
    const int a7 = SquareIndex(1, 7), b8 = SquareIndex(2, 8);
    const struct {
        const char* name;
        std::vector<std::pair<int, PieceNum>> changes;
        int slides, taken, from, to;
    } rows[] = {
        {"quiet", {{e1, None}, {SquareIndex(5, 2), wking}}, 1, 0, e1, SquareIndex(5, 2)},
        {"castling marks the king", {{e1, None}, {h1, None}, {g1, wking}, {f1, Wrook}}, 2, 0, e1, g1},
        {"en passant takes the pawn beside", {{e5, None}, {d5, None}, {d6, Wpawn}}, 1, 1, e5, d6},
        {"capture and promotion", {{a7, None}, {b8, WQueen}}, 1, 1, a7, b8},
        {"a new position is no move", {{e1, None}, {h1, None}, {e5, None}, {d5, None}, {a7, None}}, 0, 0, 0, 0},
    };
    for (const auto& r : rows) {
        Position after = start();
        for (const auto& [square, code] : r.changes)
            after[square] = code;
        const MoveShow show = showMove(start(), after);
        EXPECT_EQ(show.slides.size(), static_cast<std::size_t>(r.slides)) << r.name;
        EXPECT_EQ(show.taken.size(), static_cast<std::size_t>(r.taken)) << r.name;
        EXPECT_EQ(std::pair(show.from, show.to), std::pair(r.from, r.to)) << r.name;
    }
}

TEST(MoveShow, TheBoardTintsTheMoveAndSlidesThePieceHome)
{
    Varnel board;
    board.setBoardStyle(Classic);
    board.setPicture(Wknight, solidIcon(kRed, 49));
    board.RefreshBoard();
    board.Clear();
    board.setPiece(7, 8, Wknight); // g1: row 1 is the top row in the control
    board.SettlePosition();
    board.setHighlightMove(true);
    board.setAnimateMoves(true);
    board.setAnimationTime(200);
    board.show();
    const QColor plainDark = grab(board).pixelColor(2, 3 * 49 + 2);
    board.setPiece(7, 8, None); // Nf3
    board.setPiece(6, 6, Wknight);
    board.ShowMove();
    EXPECT_TRUE(board.isAnimating());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !board.isAnimating(); }, 2000));
    const QImage shot = grab(board);
    EXPECT_EQ(boxOf(shot, kRed), QRect(5 * 49, 5 * 49, 49, 49)) << "the knight landed on its square";
    EXPECT_NE(shot.pixelColor(6 * 49 + 2, 7 * 49 + 2), plainDark) << "the square it left is tinted";
}
