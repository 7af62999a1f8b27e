// Tag fields typed on the Game Entry tab land in the PGN file inside their own
// tag and in the file's own encoding, or the save is refused and says why.

#include <algorithm>

#include "dialog_harness.h"
#include "game_index.h"

using namespace testutil;

namespace {

struct Typed {
    const char* name;
    const char* white;   // typed as White Player, UTF-8
    const char* written; // the White tag then in the file; empty: refused, file unchanged
    const char* said;    // part of the refusal
};

class FieldWriting : public ::testing::Test {
protected:
    // Edits game 1 of `file`, types White and one move pair, and saves.
    void saveWithWhite(const std::string& file, const char* white)
    {
        auto dialog = h.open();
        h.dialogs.files.push_back(file);
        click(dialog.get(), "Command9");
        click(dialog.get(), "Command6");
        // Typed as one key press carrying the text: key clicks know ASCII only.
        type(dialog.get(), "White", "");
        QTest::sendKeyEvent(QTest::Click, child(dialog.get(), "White"), Qt::Key_unknown, QString::fromUtf8(white), {});
        type(dialog.get(), "WhiteMove", "Kh1");
        type(dialog.get(), "BlackMove", "Kh8");
        click(dialog.get(), "Update");
        click(dialog.get(), "Save");
        // Read back as Edit Game reads it.
        h.dialogs.files.push_back(file);
        click(dialog.get(), "Command9");
        click(dialog.get(), "Command6");
        readBack = textOf(dialog.get(), "White");
    }

    void check(const Typed& row, const std::string& before, const std::string& file)
    {
        const std::string after = readBytes(file);
        if (*row.written == '\0') {
            EXPECT_EQ(after, before) << row.name;
            const auto said = h.dialogs.texts();
            EXPECT_TRUE(std::any_of(said.begin(), said.end(), [&](const std::string& text) {
                return text.find(row.said) != std::string::npos;
            })) << row.name;
        } else {
            EXPECT_NE(after.find(row.written), std::string::npos) << row.name;
            EXPECT_EQ(readBack, QString::fromUtf8(row.white)) << row.name;
        }
        EXPECT_EQ(morvane::IndexGames(after).size(), morvane::IndexGames(before).size()) << row.name;
    }

    DialogHarness h;
    QString readBack;
};

TEST_F(FieldWriting, QuotesAndBackslashesStayInsideTheirTag)
{
    const Typed rows[] = {
        {"Escaped", "Bob \"The Hammer\" \\ Smith", "[White \"Bob \\\"The Hammer\\\" \\\\ Smith\"]", ""},
        {"Injection", "Wx\"] [Event \"Injected\" ] [White \"Evil", "", "White Player"},
    };
    for (const Typed& row : rows) {
        h.dialogs.messages.clear();
        const std::string file = h.path(std::string(row.name) + ".pgn");
        const std::string before = readBytes(dataPgn("100_best_games.pgn"));
        writeBytes(file, before);
        saveWithWhite(file, row.white);
        check(row, before, file);
    }
}

TEST_F(FieldWriting, ALatin1FileStaysLatin1)
{
    const std::string before =
        "[Event \"Caf\xE9\"]\r\n[Site \"S\"]\r\n[Date \"D\"]\r\n[White \"W\"]\r\n[Black \"B\"]\r\n"
        "[Result \"1-0\"]\r\n\r\n1. e4 e5 1-0\r\n";
    const Typed rows[] = {
        {"EnDash", "A\u2013B", "", "\u2013\" (U+2013) in the White Player"},
        {"Latin1Letter", "Zo\u00EB", "[White \"Zo\xEB\"]", ""},
    };
    for (const Typed& row : rows) {
        h.dialogs.messages.clear();
        const std::string file = h.path(std::string(row.name) + ".pgn");
        writeBytes(file, before);
        saveWithWhite(file, row.white);
        check(row, before, file);
        EXPECT_NE(readBytes(file).find("Caf\xE9"), std::string::npos) << row.name;
    }
}

} // namespace
