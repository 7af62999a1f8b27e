// A White Player typed on the Game Entry tab lands in the PGN file inside its own
// tag and in the file's own encoding, or the save is refused and says why.

#include "dialog_harness.h"
#include "game_index.h"

using namespace testutil;

namespace {

const std::string kLatin1 = "[Event \"Caf\xE9\"]\r\n[Site \"S\"]\r\n[Date \"D\"]\r\n[White \"W\"]\r\n[Black \"B\"]\r\n"
                            "[Result \"1-0\"]\r\n\r\n1. e4 e5 1-0\r\n";

struct Typed {
    const char* name;
    bool latin1File;     // else a real UTF-8 file
    const char* white;   // UTF-8
    const char* written; // in the file afterwards; empty: refused, the file unchanged
    const char* said;    // in the refusal
};

const Typed kRows[] = {
    {"Escaped", false, "Bob \"The Hammer\" \\ Smith", "[White \"Bob \\\"The Hammer\\\" \\\\ Smith\"]", ""},
    {"Injection", false, "Wx\"] [Event \"Injected\" ] [White \"Evil", "", "White Player"},
    {"EnDashInLatin1", true, "A\u2013B", "", "\u2013\" (U+2013) in the White Player"},
    {"LetterInLatin1", true, "Zo\u00EB", "[Event \"Caf\xE9\"]\r\n[Site \"S\"]\r\n[Date \"D\"]\r\n[White \"Zo\xEB\"]",
     ""},
};

TEST(FieldWriting, StaysInsideItsTagAndTheFilesEncoding)
{
    for (const Typed& row : kRows) {
        DialogHarness h;
        const std::string file = h.path("games.pgn");
        const std::string before = row.latin1File ? kLatin1 : readBytes(dataPgn("100_best_games.pgn"));
        writeBytes(file, before);
        auto dialog = openImported(h, file);
        click(dialog.get(), "Command6");
        // One key press carrying the text: key clicks know ASCII only.
        type(dialog.get(), "White", "");
        QTest::sendKeyEvent(QTest::Click, child(dialog.get(), "White"), Qt::Key_unknown, QString::fromUtf8(row.white),
                            {});
        enterMoves(dialog.get(), "Kh1", "Kh8");
        click(dialog.get(), "Save");

        const std::string after = readBytes(file);
        EXPECT_EQ(morvane::IndexGames(after).size(), morvane::IndexGames(before).size()) << row.name;
        if (*row.written == '\0') {
            EXPECT_EQ(after, before) << row.name;
            EXPECT_NE(h.dialogs.messages.back().text.find(row.said), std::string::npos) << row.name;
            continue;
        }
        EXPECT_NE(after.find(row.written), std::string::npos) << row.name;
        h.dialogs.files.push_back(file);
        click(dialog.get(), "Command9"); // read back as Edit Game reads it
        click(dialog.get(), "Command6");
        EXPECT_EQ(textOf(dialog.get(), "White"), QString::fromUtf8(row.white)) << row.name;
    }
}

} // namespace
