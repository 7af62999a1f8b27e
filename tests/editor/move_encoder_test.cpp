// The SAN the editor writes for a dropped move, and the board changes that go
// with it, on positions set up from FEN placements.

#include <gtest/gtest.h>

#include "move_encoder.h"
#include "placement.h"

namespace {

using morvane::DroppedMove;
using morvane::MoveEncoder;
using quill::PieceNum;

constexpr const char* kStart = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR";

class ScriptedHost : public morvane::EncoderHost {
public:
    void illegalMoveWarning() override { messages.push_back(morvane::kIllegalMoveWarningText); }
    void cantCastle() override { messages.push_back(morvane::kCantCastleText); }
    PieceNum Promote(int side) override
    {
        askedSide = side;
        return answer;
    }

    std::vector<std::string> messages;
    PieceNum answer = quill::WQueen;
    int askedSide = 0;
};

// "e4" as the board's column (a = 1) and row (rank 8 = 1).
std::pair<std::int16_t, std::int16_t> at(const char* square)
{
    return {static_cast<std::int16_t>(square[0] - 'a' + 1), static_cast<std::int16_t>(9 - (square[1] - '0'))};
}

struct Row {
    const char* name;
    const char* before;  // placement
    const char* twoBack; // placement two half-moves back, or nullptr
    const char* from;
    const char* to;
    int side;
    bool whiteCastled;
    PieceNum promoteTo;
    const char* san;   // nullptr: refused
    const char* after; // placement after, or nullptr when only the SAN matters
    std::vector<std::string> messages;
};

// Drops as the board does (the piece moves, the pattern verdict judged before),
// then encodes.
std::optional<std::string> dropAndEncode(const Row& row, quill::BoardModel& board, ScriptedHost& host)
{
    EXPECT_TRUE(morvane::setPlacement(board, row.before));
    const auto [fc, fr] = at(row.from);
    const auto [tc, tr] = at(row.to);
    const DroppedMove move{fc, fr, tc, tr, board.piece(tc, tr), board.piece(fc, fr), board.IsLegalMove(fc, fr, tc, tr)};
    board.setPiece(tc, tr, move.newpiece);
    board.setPiece(fc, fr, quill::None);

    std::optional<morvane::Snapshot> twoBack;
    if (row.twoBack) {
        quill::BoardModel earlier;
        EXPECT_TRUE(morvane::setPlacement(earlier, row.twoBack));
        twoBack = morvane::PositionHistory::read(earlier);
    }
    MoveEncoder encoder(board, host);
    encoder.WhiteCastled = row.whiteCastled;
    host.answer = row.promoteTo;
    return encoder.encode(move, row.side, twoBack ? &*twoBack : nullptr);
}

TEST(MoveEncoder, WritesSanAndCarriesOutTheNotationsBoardChanges)
{
    const std::string warning = morvane::kIllegalMoveWarningText;
    // clang-format off
    const std::vector<Row> rows = {
        {"second rook on the same file gives the rank", "4k3/8/8/R7/8/8/8/R3K3", nullptr, "a1", "a3", 1,
         false, quill::None, "R1a3", nullptr, {}},
        {"pinned second knight still gives a hint", "4k3/8/8/8/1b6/2N5/8/4K1N1", nullptr, "g1", "e2", 1,
         false, quill::None, "Nge2", nullptr, {}},
        {"black en passant removes the passed pawn", "4k3/8/8/8/3Pp3/8/8/4K3", "4k3/8/8/8/4p3/8/3P4/4K3", "e4", "d3", 2,
         false, quill::None, "exd3", "4k3/8/8/8/8/3p4/8/4K3", {}},
        {"no en passant when the pawn beside made its double step earlier", "4k3/8/8/3pP3/8/8/8/4K3",
         "3k4/8/8/3pP3/8/8/8/4K3", "e5", "d6", 1,
         false, quill::None, "d6", "4k3/8/3P4/3p4/8/8/8/4K3", {warning}},
        {"black capturing promotion to knight", "4k3/8/8/8/8/8/3p4/2R1K3", nullptr, "d2", "c1", 2,
         false, quill::Bknight, "dxc1=N", "4k3/8/8/8/8/8/8/2n1K3", {}},
        {"a second castling is refused", "r3k2r/8/8/8/8/8/8/R3K2R", nullptr, "e1", "g1", 1,
         true, quill::None, nullptr, "r3k2r/8/8/8/8/8/8/R3K2R", {morvane::kCantCastleText}},
        {"king two squares without its rook is a king move", "4k3/8/8/8/8/8/8/4K3", nullptr, "e1", "g1", 1,
         false, quill::None, "Kg1", "4k3/8/8/8/8/8/8/6K1", {warning}},
        {"a pattern-breaking move is recorded after the warning", kStart, nullptr, "g1", "g3", 1,
         false, quill::None, "Ng3", nullptr, {warning}},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        quill::BoardModel board;
        ScriptedHost host;
        const std::optional<std::string> san = dropAndEncode(row, board, host);
        if (row.san) {
            EXPECT_EQ(san.value_or("<refused>"), row.san);
        } else {
            EXPECT_FALSE(san.has_value());
        }
        if (row.after) {
            EXPECT_EQ(morvane::piecePlacement(board), row.after);
        }
        EXPECT_EQ(host.messages, row.messages);
        if (row.promoteTo != quill::None) {
            EXPECT_EQ(host.askedSide, row.side);
        }
    }
}

} // namespace
