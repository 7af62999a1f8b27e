// A tag field corrected on the Game Entry tab, with no move changed: a change
// that the close question guards and Save writes, inside its own tag and in
// the file's own encoding, and that Edit Game reads back; or the save is
// refused and says why.

#include "dialog_harness.h"
#include "game_index.h"

using namespace testutil;

namespace {

const std::string kLatin1 = "[Event \"Caf\xE9\"]\r\n[Site \"S\"]\r\n[Date \"D\"]\r\n[White \"W\"]\r\n[Black \"B\"]\r\n"
                            "[Result \"1-0\"]\r\n\r\n1. e4 e5 1-0\r\n";

struct Typed {
    const char* name;
    bool latin1File;     // else a real UTF-8 file
    const char* field;   // the control; the result list gets one step down
    const char* typed;   // UTF-8
    const char* written; // in the file afterwards; empty: refused, the file unchanged
    const char* said;    // in the refusal
};

const Typed kRows[] = {
    {"Event", false, "EventNM", "Fixed", "[Event \"Fixed\"]", ""},
    {"Site", false, "Site", "Fixed", "[Site \"Fixed\"]", ""},
    {"Date", false, "DateNM", "Fixed", "[Date \"Fixed\"]", ""},
    {"Black", false, "Black", "Fixed", "[Black \"Fixed\"]", ""},
    {"Result", false, "cmbResult", "", "[Result \"1/2-1/2\"]\r\n1. e4", ""}, // game 1 was "0-1"
    {"Escaped", false, "White", "Bob \"The Hammer\" \\ Smith", "[White \"Bob \\\"The Hammer\\\" \\\\ Smith\"]", ""},
    {"Injection", false, "White", "Wx\"] [Event \"Injected\" ] [White \"Evil", "", "White Player"},
    {"EnDashInLatin1", true, "White", "A\u2013B", "", "\u2013\" (U+2013) in the White Player"},
    {"LetterInLatin1", true, "White", "Zo\u00EB",
     "[Event \"Caf\xE9\"]\r\n[Site \"S\"]\r\n[Date \"D\"]\r\n[White \"Zo\xEB\"]", ""},
};

TEST(FieldWriting, ACorrectedFieldIsSavedInsideItsTagAndTheFilesEncoding)
{
    for (const Typed& row : kRows) {
        SCOPED_TRACE(row.name);
        DialogHarness h;
        const std::string file = h.path("games.pgn");
        const std::string before = row.latin1File ? kLatin1 : readBytes(dataPgn("100_best_games.pgn"));
        writeBytes(file, before);
        auto dialog = openImported(h, file);
        click(dialog.get(), "Command6");
        if (std::string(row.field) == "cmbResult") {
            QTest::keyClick(child(dialog.get(), "cmbResult"), Qt::Key_Down);
        } else { // one key press carrying the text: key clicks know ASCII only
            type(dialog.get(), row.field, "");
            QTest::sendKeyEvent(QTest::Click, child(dialog.get(), row.field), Qt::Key_unknown,
                                QString::fromUtf8(row.typed), {});
        }
        ASSERT_TRUE(child(dialog.get(), "Save")->isEnabled());
        h.dialogs.answers.push_back(morvane::MsgAnswer::No);
        dialog->close();
        EXPECT_TRUE(dialog->isVisible()) << "closing asks first";
        click(dialog.get(), "Save");

        const std::string after = readBytes(file);
        EXPECT_EQ(morvane::IndexGames(after).size(), morvane::IndexGames(before).size());
        if (*row.written == '\0') {
            EXPECT_EQ(after, before);
            EXPECT_NE(h.dialogs.messages.back().text.find(row.said), std::string::npos);
            continue;
        }
        EXPECT_NE(after.find(row.written), std::string::npos);
        h.dialogs.files.push_back(file);
        click(dialog.get(), "Command9"); // read back as Edit Game reads it
        click(dialog.get(), "Command6");
        if (*row.typed) {
            EXPECT_EQ(textOf(dialog.get(), row.field), QString::fromUtf8(row.typed));
        }
    }
}

} // namespace
