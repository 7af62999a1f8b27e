// The editor on games set up from a FEN: each game of the FEN test file
// replays onto the board and comes back unchanged, and moves entered from a
// set-up are numbered and written from it.

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

#include "clean_pgn.h"
#include "editor_fixture.h"
#include "fen.h"

namespace {

std::string readData(const std::string& name)
{
    std::ifstream in(std::string(MORVANE3_DEFAULT_TEST_DATA) + "/pgn/" + name);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

morvane::GameStart startOf(const std::string& gameText)
{
    const morvane::StartOf start = morvane::gameStart(gameText);
    EXPECT_EQ(start.kind, morvane::StartKind::FromFen) << gameText;
    return start.start;
}

TEST(FenEditor, EveryFenGameReplaysAndComesBackUnchanged)
{
    const std::string file = readData("fen_and_960.pgn");
    std::istringstream expected(readData("fen_and_960.expected.tsv"));
    int games = 0;
    for (std::size_t at = file.find("[Event "); at != std::string::npos; ++games) {
        const std::size_t next = file.find("[Event ", at + 1);
        const std::string game = file.substr(at, next == std::string::npos ? std::string::npos : next - at);
        at = next;
        const morvane::GameStart start = startOf(game);
        std::vector<std::string> lines;
        std::string result;
        morvane::ListStartMoves(morvane::CleanPGN(game).text, start, lines, result, "");

        edtest::Editor e;
        e.form->setStart(start);
        e.load(lines);
        std::string row;
        std::getline(expected, row);
        EXPECT_EQ(e.placement(), row.substr(row.rfind('\t') + 1)) << game;
        e.click(e.button("OK"));
        EXPECT_EQ(e.form->moveLines(), lines) << game;
        EXPECT_TRUE(e.dialogs.messages.empty()) << game;
    }
    EXPECT_EQ(games, 7);
}

TEST(FenEditor, MovesEnteredFromASetUp)
{
    const auto L = morvane::moveLine;
    struct Case {
        const char* fen;
        const char* drags; // "u" presses Undo
        std::vector<std::string> lines;
        const char* placement;
        std::size_t messages;
    };
    const Case cases[] = {
        // Black first: White's field stays empty, numbers go on from the FEN.
        {"r1bqkbnr/pppp1ppp/2n5/4p2Q/2B1P3/8/PPPP1PPP/RNB1K1NR b KQkq - 3 3",
         "g8f6 h5f7",
         {L(3, "", "Nf6"), L(4, "Qxf7+", "")},
         "r1bqkb1r/pppp1Qpp/2n2n2/4p3/2B1P3/8/PPPP1PPP/RNB1K1NR",
         0},
        // Undo stops at the set-up: Black is still to move there.
        {"4k3/8/8/8/8/8/4P3/4K3 b - - 0 9", "e8d7 e2e4 u u u u e8e7", {L(9, "", "Ke7")}, "8/4k3/8/8/8/8/4P3/4K3", 0},
        {"4k3/8/8/8/8/8/4P3/4K3 b - - 0 9", "e8d7 e2e4 u", {L(9, "", "Kd7")}, "8/3k4/8/8/8/8/4P3/4K3", 0},
        // The FEN's en passant square allows the capture as the first move.
        {"rnbqkbnr/ppp1p1pp/8/3pPp2/8/8/PPPP1PPP/RNBQKBNR w KQkq d6 0 3",
         "e5d6",
         {L(3, "exd6", "")},
         "rnbqkbnr/ppp1p1pp/3P4/5p2/8/8/PPPP1PPP/RNBQKBNR",
         0},
        // No castling right in the FEN: "Can't Castle", nothing recorded.
        {"4k3/8/8/8/8/8/8/R3K2R w - - 0 1", "e1g1", {}, "4k3/8/8/8/8/8/8/R3K2R", 1},
        // Chess960: the king dropped on its own rook, or onto g two columns away.
        {"1r2k1r1/8/8/8/8/8/8/1R2K1R1 w GBgb - 0 1",
         "e1g1 e8b8",
         {L(1, "O-O", "O-O-O+")},
         "2kr2r1/8/8/8/8/8/8/1R3RK1",
         0},
        {"4k3/8/8/8/8/8/8/4K2R w H - 0 1", "e1g1", {L(1, "O-O", "")}, "4k3/8/8/8/8/8/8/5RK1", 0},
    };
    for (const Case& c : cases) {
        edtest::Editor e;
        e.form->setStart(*morvane::parseFen(c.fen));
        e.load({});
        std::istringstream drags(c.drags);
        for (std::string m; drags >> m;) {
            if (m == "u")
                e.click(e.button("Undo"));
            else
                e.drag(m.substr(0, 2), m.substr(2, 2));
        }
        EXPECT_EQ(e.placement(), c.placement) << c.fen;
        EXPECT_EQ(e.dialogs.messages.size(), c.messages) << c.fen;
        e.click(e.button("OK"));
        EXPECT_EQ(e.form->moveLines(), c.lines) << c.fen;
    }
}

} // namespace
