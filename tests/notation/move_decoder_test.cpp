// The move decoder on what real games rarely show; the real-game replays guard the rest, and
// GameEndings annotation marks, illegal and invalid moves.
#include "move_decoder.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "placement.h"

using morvane::DecodeResult;

namespace {

constexpr const char* kStart = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR";

struct Decoding : morvane::DecoderHost {
    std::vector<std::string> statuses, reports;
    std::vector<int> sounds;
    quill::BoardModel board;
    morvane::MoveDecoder decoder{board, *this};
    DecodeResult last = DecodeResult::NoEffect;

    explicit Decoding(const std::string& placement = kStart) { EXPECT_TRUE(morvane::setPlacement(board, placement)); }
    void showStatus(const std::string& text) override { statuses.push_back(text); }
    void requestSound(int kind, morvane::SoundCause) override { sounds.push_back(kind); }
    void illegalMove() override { reports.emplace_back("illegal"); }
    void invalidMove() override { reports.emplace_back("invalid"); }
    void decodeFailed() override { reports.emplace_back("failed"); }

    // Plays the blank-separated `moves` alternately, starting with `side` (1 White, 2 Black).
    Decoding& play(const std::string& moves, int side = 1)
    {
        std::istringstream in(moves);
        for (std::string m; in >> m; side = 3 - side) {
            decoder.SideToMove = side;
            last = decoder.ExtractMove(m);
        }
        return *this;
    }
};

using enum DecodeResult;

TEST(Decode, EndsOnThePlacement)
{
    const char* const castle = "r3k2r/8/8/8/8/8/8/R3K2R";
    const struct {
        const char* name;
        const char* start;
        int side;
        const char* moves;
        const char* placement;
        DecodeResult result;
    } rows[] = {
        {"capture on the sixth is no e.p.", "4k3/8/3n4/3pP3/8/8/8/4K3", 1, "exd6", "4k3/8/3P4/3p4/8/8/8/4K3", Moved},
        {"bare promotion with check", "7k/6P1/8/8/8/8/8/K7", 1, "g8Q+", "6Qk/8/8/8/8/8/8/K7", Moved},
        {"bare capturing promotion", "3r3k/4P3/8/8/8/8/8/K7", 1, "exd8N", "3N3k/8/8/8/8/8/8/K7", Moved},
        {"bare black promotion", "K7/8/8/8/8/8/1p6/7k", 2, "b1Q", "K7/8/8/8/8/8/8/1q5k", Moved},
        {"promotion to king", "8/1P6/8/8/8/8/8/k6K", 1, "b8=K", "8/1P6/8/8/8/8/8/k6K", Failed},
        {"queenside in zeros", castle, 1, "0-0-0", "r3k2r/8/8/8/8/8/8/2KR3R", Moved},
        {"kingside in small letters", castle, 2, "o-o", "r4rk1/8/8/8/8/8/8/R3K2R", Moved},
        {"queenside with check", castle, 2, "O-O-O+", "2kr3r/8/8/8/8/8/8/R3K2R", Moved},
        {"castling junk", castle, 1, "O-O-X", castle, NoEffect},
        {"no hint: the first in scan order", "4k3/8/8/8/8/8/8/R4RK1", 1, "Rd1", "4k3/8/8/8/8/8/8/3R1RK1", Moved},
        {"rank hint", "4k3/8/8/R7/8/8/8/R5K1", 1, "R1a3", "4k3/8/8/R7/8/R7/8/6K1", Moved},
        {"full from-square", "4k3/8/8/8/8/8/8/R4RK1", 1, "Rf1d1", "4k3/8/8/8/8/8/8/R2R2K1", Moved},
        // b8 comes first in scan order but cannot reach d4.
        {"hint among those that reach", "1N2k3/8/8/8/8/1N3N2/8/4K3", 1, "Nbd4", "1N2k3/8/8/8/3N4/5N2/8/4K3", Moved},
        {"only candidate, even pinned", "4k3/8/8/8/1b6/8/3N4/4K3", 1, "Ne4", "4k3/8/8/8/1b2N3/8/8/4K3", Moved},
        {"marker", kStart, 1, "1/2-1/2", kStart, Marker},
        {"rank off the board", kStart, 1, "Nf9", kStart, Failed},
        {"rank that is no digit", kStart, 1, "exf", kStart, Failed},
    };
    for (const auto& r : rows) {
        Decoding d(r.start);
        d.play(r.moves, r.side);
        EXPECT_EQ(morvane::piecePlacement(d.board), r.placement) << r.name;
        EXPECT_EQ(d.last, r.result) << r.name;
    }
}

// The markers' texts and White's check are in the game endings; the reports behind "Illegal move",
// "Invalid Move" and a failed decoding, and the sounds of a move and a capture, are in the replay engine's tests.
TEST(Decode, StatusTextsAndSoundsPerKindOfMove)
{
    EXPECT_EQ(Decoding("4k3/8/8/8/8/8/8/3QK3").play("Qh5#").statuses.back(), "Black King Checked");
    Decoding checked("3qk3/8/8/8/8/8/8/4K3");
    checked.play("Qh4+ Kd1", 2);
    EXPECT_EQ(checked.decoder.StatusText, "") << "a move that gives no check clears the notice";
    EXPECT_EQ(Decoding("4k2r/8/8/8/8/8/8/4K3").play("O-O", 2).sounds, (std::vector<int>{1, 3}));
    // A capturing promotion asks for the move sound.
    EXPECT_EQ(Decoding("r7/1P6/8/8/8/8/8/k6K").play("bxa8=Q").sounds, std::vector<int>{1});
    EXPECT_TRUE(Decoding().play("Nf3 O-O-X").reports.empty());
}

} // namespace
