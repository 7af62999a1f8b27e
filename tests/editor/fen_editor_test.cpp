// The editor on games set up from a FEN: each game of the FEN test file
// replays onto the board and comes back unchanged, and moves entered from a
// set-up are numbered and written from it.

#include <gtest/gtest.h>
#include <sstream>

#include "clean_pgn.h"
#include "editor_fixture.h"
#include "fen.h"
#include "game_index.h"
#include "move_list.h"
#include "pgn_file.h"
#include "test_data.h"

namespace {

std::string readData(const std::string& name)
{
    return morvane::readWholeFile((testdata::pgnFolder() / name).string()).value_or("");
}

TEST(FenEditor, EveryFenGameReplaysAndComesBackUnchanged)
{
    const std::string file = readData("fen_and_960.pgn");
    std::istringstream expected(readData("fen_and_960.expected.tsv"));
    ASSERT_NE(file.find("[FEN "), std::string::npos);
    for (const morvane::GameSpan& span : morvane::IndexGames(file)) {
        const std::string game(morvane::GameText(file, span));
        const morvane::GameStart start = morvane::gameStart(game).start;
        std::vector<std::string> lines;
        std::string result, row;
        morvane::ListStartMoves(morvane::CleanPGN(game).text, start, lines, result, "");
        edtest::Editor e;
        e.form->setStart(start);
        e.load(lines);
        std::getline(expected, row);
        EXPECT_EQ(e.placement(), row.substr(row.rfind('\t') + 1)) << game;
        e.click(e.button("OK"));
        // A result in Black's last field is no move: it comes back as an empty field.
        const std::string black = morvane::moveFields(lines.back()).black;
        if (morvane::isTerminationMarker(black))
            lines.back().replace(lines.back().size() - black.size(), black.size(), black.size(), ' ');
        EXPECT_EQ(e.form->moveLines(), lines) << game;
        EXPECT_TRUE(e.dialogs.messages.empty()) << game;
    }
}

TEST(FenEditor, MovesEnteredFromASetUp)
{
    const auto L = morvane::moveLine;
    struct Case {
        const char* fen;
        const char* drags; // "u" presses Undo
        std::vector<std::string> lines;
        const char* placement;
    };
    const Case cases[] = {
        // Black first: White's field stays empty, numbers go on from the FEN, Undo stops there.
        {"4k3/8/8/8/8/8/4P3/4K3 b - - 0 9", "e8d7 e2e4 u u u u e8e7", {L(9, "", "Ke7")}, "8/4k3/8/8/8/8/4P3/4K3"},
        // The FEN's en passant square allows the capture as the first move.
        {"4k3/8/8/3pP3/8/8/8/4K3 w - d6", "e5d6", {L(1, "exd6", "")}, "4k3/8/3P4/8/8/8/8/4K3"},
        // No castling right in the FEN: "Can't Castle", nothing recorded.
        {"4k3/8/8/8/8/8/8/R3K2R w -", "e1g1", {}, "4k3/8/8/8/8/8/8/R3K2R"},
        // Chess960: the king dropped on its own rook, or onto g two columns away.
        {"1r2k1r1/8/8/8/8/8/8/1R2K1R1 w GBgb", "e1g1 e8b8", {L(1, "O-O", "O-O-O+")}, "2kr2r1/8/8/8/8/8/8/1R3RK1"},
        {"4k3/8/8/8/8/8/8/4K2R w H", "e1g1", {L(1, "O-O", "")}, "4k3/8/8/8/8/8/8/5RK1"},
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
        e.click(e.button("OK"));
        EXPECT_EQ(e.form->moveLines(), c.lines) << c.fen;
    }
}

} // namespace
