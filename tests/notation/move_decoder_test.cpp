#include "move_decoder.h"

#include <gtest/gtest.h>

#include <iterator>
#include <ostream>
#include <sstream>
#include <vector>

#include "placement.h"

using morvane::DecodeResult;
using morvane::MoveDecoder;
using morvane::SoundCause;

namespace {

constexpr const char* kStart = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR";

class RecordingHost : public morvane::DecoderHost {
public:
    std::vector<std::string> statuses;
    std::vector<int> sounds;
    std::vector<std::string> reports;
    void showStatus(const std::string& text) override { statuses.push_back(text); }
    void requestSound(int kind, SoundCause) override { sounds.push_back(kind); }
    void illegalMove() override { reports.emplace_back("illegal"); }
    void invalidMove() override { reports.emplace_back("invalid"); }
    void decodeFailed() override { reports.emplace_back("failed"); }
};

struct Decoding {
    quill::BoardModel board;
    RecordingHost host;
    MoveDecoder decoder{board, host};
    DecodeResult last = DecodeResult::NoEffect;

    explicit Decoding(const std::string& placement = kStart) { EXPECT_TRUE(morvane::setPlacement(board, placement)); }

    // Plays `moves` alternately, starting with `side` (1 White, 2 Black).
    Decoding& play(const std::vector<std::string>& moves, int side = 1)
    {
        for (const std::string& m : moves) {
            decoder.SideToMove = side;
            std::string text = m;
            last = decoder.ExtractMove(text);
            side = side == 1 ? 2 : 1;
        }
        return *this;
    }
    std::string placement() const { return morvane::piecePlacement(board); }
};

struct DecodeCase {
    const char* name;
    const char* start;
    int side;
    const char* moves; // separated by blanks
    const char* placement;
    DecodeResult result;
};

void PrintTo(const DecodeCase& c, std::ostream* os)
{
    *os << c.name;
}

class Decode : public testing::TestWithParam<DecodeCase> {};

TEST_P(Decode, EndsOnThePlacement)
{
    const DecodeCase& c = GetParam();
    Decoding d(c.start);
    std::istringstream moves(c.moves);
    d.play({std::istream_iterator<std::string>(moves), {}}, c.side);
    EXPECT_EQ(d.placement(), c.placement);
    EXPECT_EQ(d.last, c.result);
}

using enum DecodeResult;

INSTANTIATE_TEST_SUITE_P(
    Moves, Decode,
    testing::Values(
        DecodeCase{"PawnSingleAndDoubleStep", kStart, 1, "e3 d5", "rnbqkbnr/ppp1pppp/8/3p4/8/4P3/PPPP1PPP/RNBQKBNR",
                   Moved},
        DecodeCase{"PawnCapture", kStart, 1, "e4 d5 exd5", "rnbqkbnr/ppp1pppp/8/3P4/8/8/PPPP1PPP/RNBQKBNR", Moved},
        DecodeCase{"PieceCapture", kStart, 1, "e4 e5 Nf3 Nc6 Nxe5", "r1bqkbnr/pppp1ppp/2n5/4N3/4P3/8/PPPP1PPP/RNBQKB1R",
                   Moved},
        DecodeCase{"WhiteEnPassant", kStart, 1, "e4 a6 e5 d5 exd6", "rnbqkbnr/1pp1pppp/p2P4/8/8/8/PPPP1PPP/RNBQKBNR",
                   Moved},
        DecodeCase{"BlackEnPassant", kStart, 1, "a3 e5 a4 e4 d4 exd3", "rnbqkbnr/pppp1ppp/8/8/P7/3p4/1PP1PPPP/RNBQKBNR",
                   Moved},
        DecodeCase{"CaptureOnSixthRankIsNoEnPassant", "4k3/8/3n4/3pP3/8/8/8/4K3", 1, "exd6", "4k3/8/3P4/3p4/8/8/8/4K3",
                   Moved},
        DecodeCase{"PromotionWithEquals", "8/1P6/8/8/8/8/8/k6K", 1, "b8=Q", "1Q6/8/8/8/8/8/8/k6K", Moved},
        DecodeCase{"CapturingPromotion", "r7/1P6/8/8/8/8/8/k6K", 1, "bxa8=N", "N7/8/8/8/8/8/8/k6K", Moved},
        // Promotions written without "=".
        DecodeCase{"BarePromotion", "8/1P6/8/8/8/8/8/k6K", 1, "b8Q", "1Q6/8/8/8/8/8/8/k6K", Moved},
        DecodeCase{"BarePromotionWithCheck", "7k/6P1/8/8/8/8/8/K7", 1, "g8Q+", "6Qk/8/8/8/8/8/8/K7", Moved},
        DecodeCase{"BareCapturingPromotion", "3r3k/4P3/8/8/8/8/8/K7", 1, "exd8N", "3N3k/8/8/8/8/8/8/K7", Moved},
        DecodeCase{"BareBlackPromotion", "K7/8/8/8/8/8/1p6/7k", 2, "b1Q", "K7/8/8/8/8/8/8/1q5k", Moved},
        DecodeCase{"WhiteKingside", "r3k2r/8/8/8/8/8/8/R3K2R", 1, "O-O", "r3k2r/8/8/8/8/8/8/R4RK1", Moved},
        DecodeCase{"WhiteQueensideZeros", "r3k2r/8/8/8/8/8/8/R3K2R", 1, "0-0-0", "r3k2r/8/8/8/8/8/8/2KR3R", Moved},
        DecodeCase{"BlackKingsideSmall", "r3k2r/8/8/8/8/8/8/R3K2R", 2, "o-o", "r4rk1/8/8/8/8/8/8/R3K2R", Moved},
        DecodeCase{"BlackQueensideWithCheck", "r3k2r/8/8/8/8/8/8/R3K2R", 2, "O-O-O+", "2kr3r/8/8/8/8/8/8/R3K2R", Moved},
        DecodeCase{"CastlingJunkDoesNothing", "r3k2r/8/8/8/8/8/8/R3K2R", 1, "O-O-X", "r3k2r/8/8/8/8/8/8/R3K2R",
                   NoEffect},
        DecodeCase{"RookFileHint", "4k3/8/8/8/8/8/8/R4RK1", 1, "Rad1", "4k3/8/8/8/8/8/8/3R1RK1", Moved},
        DecodeCase{"RookWithoutHintTakesTheFirstInScanOrder", "4k3/8/8/8/8/8/8/R4RK1", 1, "Rd1",
                   "4k3/8/8/8/8/8/8/3R1RK1", Moved},
        DecodeCase{"RookRankHint", "4k3/8/8/R7/8/8/8/R5K1", 1, "R1a3", "4k3/8/8/R7/8/R7/8/6K1", Moved},
        DecodeCase{"FullFromSquare", "4k3/8/8/8/8/8/8/R4RK1", 1, "Rf1d1", "4k3/8/8/8/8/8/8/R2R2K1", Moved},
        // A hint chooses among the knights that reach the square: b8 comes first
        // in scan order but cannot reach d4.
        DecodeCase{"HintAmongThoseThatReach", "1N2k3/8/8/8/8/1N3N2/8/4K3", 1, "Nbd4", "1N2k3/8/8/8/3N4/5N2/8/4K3",
                   Moved},
        // The d2 knight is pinned by the b4 bishop; SAN names no file.
        DecodeCase{"PinnedKnightStays", "4k3/8/8/8/1b6/6N1/3N4/4K3", 1, "Ne4", "4k3/8/8/8/1b2N3/8/3N4/4K3", Moved},
        DecodeCase{"PinnedBlackRookStays", "4k3/4r3/8/8/8/8/4R3/r3K3", 2, "Ra2", "4k3/4r3/8/8/8/8/r3R3/4K3", Moved},
        DecodeCase{"OnlyCandidateMovesEvenWhenPinned", "4k3/8/8/8/1b6/8/3N4/4K3", 1, "Ne4", "4k3/8/8/8/1b2N3/8/8/4K3",
                   Moved},
        DecodeCase{"AnnotationMarks", kStart, 1, "e4! e5? Bc4?! Nc6!? Qh5!! Nf6?? Qxf7#!",
                   "r1bqkb1r/pppp1Qpp/2n2n2/4p3/2B1P3/8/PPPP1PPP/RNB1K1NR", Moved},
        DecodeCase{"IllegalMoveIsSkipped", kStart, 1, "Nd4", kStart, Skipped},
        DecodeCase{"MarkerMovesNothing", kStart, 1, "1/2-1/2", kStart, Marker},
        DecodeCase{"UnknownFirstCharacter", kStart, 1, "Zf3", kStart, Invalid},
        DecodeCase{"RankOffTheBoard", kStart, 1, "Nf9", kStart, Failed},
        DecodeCase{"RankThatIsNoDigit", kStart, 1, "exf", kStart, Failed},
        DecodeCase{"PromotionToKingIsRefused", "8/1P6/8/8/8/8/8/k6K", 1, "b8=K", "8/1P6/8/8/8/8/8/k6K", Failed}),
    [](const testing::TestParamInfo<DecodeCase>& info) { return std::string(info.param.name); });

TEST(DecodeReports, StatusTextsOfMarkersAndChecks)
{
    struct Row {
        std::string move;
        int side;
        std::string status;
    };
    const Row rows[] = {
        {"1-0", 1, "White wins"},
        {"0-1", 2, "Black wins"},
        {"1/2-1/2", 1, "Drawn game"},
        {"*", 2, "Game was not completed"},
        {"e4", 1, ""},
        {"Qh5+", 1, "Black King Checked"},
        {"Qh5#", 1, "Black King Checked"},
        {"Qh4+", 2, "white King Checked"},
    };
    for (const Row& row : rows) {
        Decoding d("4k3/8/8/8/8/8/4P3/3QK3");
        if (row.side == 2)
            morvane::setPlacement(d.board, "3qk3/8/8/8/8/8/8/4K3");
        d.play({row.move}, row.side);
        ASSERT_FALSE(d.host.statuses.empty()) << row.move;
        EXPECT_EQ(d.host.statuses.back(), row.status) << row.move;
        EXPECT_EQ(d.decoder.StatusText, row.status) << row.move;
    }
}

TEST(DecodeReports, SoundsPerKindOfMove)
{
    EXPECT_EQ(Decoding().play({"e4"}).host.sounds, std::vector<int>{1});
    EXPECT_EQ(Decoding().play({"e4", "d5", "exd5"}).host.sounds, (std::vector<int>{1, 1, 2}));
    EXPECT_EQ(Decoding("4k3/8/8/3p4/5N2/8/8/4K3").play({"Nxd5"}).host.sounds, std::vector<int>{2});
    EXPECT_EQ(Decoding("4k2r/8/8/8/8/8/8/4K3").play({"O-O"}, 2).host.sounds, (std::vector<int>{1, 3}));
    // A capturing promotion asks for the move sound.
    EXPECT_EQ(Decoding("r7/1P6/8/8/8/8/8/k6K").play({"bxa8=Q"}).host.sounds, std::vector<int>{1});
}

TEST(DecodeReports, ProblemsAreReportedOnce)
{
    EXPECT_EQ(Decoding().play({"Nd4"}).host.reports, std::vector<std::string>{"illegal"});
    EXPECT_EQ(Decoding().play({"Zf3"}).host.reports, std::vector<std::string>{"invalid"});
    EXPECT_EQ(Decoding().play({""}).host.reports, std::vector<std::string>{"invalid"});
    EXPECT_EQ(Decoding().play({"Nf9"}).host.reports, std::vector<std::string>{"failed"});
    EXPECT_TRUE(Decoding().play({"Nf3", "O-O-X"}).host.reports.empty());
}

TEST(DecodeState, ColumnLettersAreOneToEightAndNothingElse)
{
    EXPECT_EQ(MoveDecoder::ColumnNumber("a"), 1);
    EXPECT_EQ(MoveDecoder::ColumnNumber("h"), 8);
    EXPECT_EQ(MoveDecoder::ColumnNumber("i"), 0);
    EXPECT_EQ(MoveDecoder::ColumnNumber("ab"), 0);
}

} // namespace
