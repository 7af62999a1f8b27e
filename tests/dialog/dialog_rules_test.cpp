// The dialog's rules that need no window: the text rules under the game-entry
// tab that its widget tests do not reach, and where the About and Setup links
// find README.md and LICENSE (never in the source tree the program was built
// from, which an installed program cannot rely on).

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "dialog_parts.h"
#include "game_text.h"
#include "move_line.h"

using namespace morvane;

namespace {

TEST(GameText, ResultTagQuotedTagsAndTheListEntry)
{
    const std::vector<std::pair<const char*, std::optional<std::string>>> results = {
        {"[Event \"x\"]\n[Result \"1/2-1/2\"]\n1. e4 *", "1/2-1/2"},
        {"[Result \" 0-1 \"]", "0-1"},
        {"[Result \"\"]", ""},
        {"[Result]", ""},
        {"[Event \"x\"]\n1. e4 *", std::nullopt},
        {"[Result \"1-0\"", std::nullopt}, // no closing bracket
    };
    for (const auto& [game, result] : results)
        EXPECT_EQ(ResultTagValue(game), result) << game;

    const std::string tags = "[Whiteelo \"2500\"]\n[White \"Tal, M\"]\n[Site \"Riga";
    EXPECT_EQ(QuotedTagValue(tags, "[White \""), "Tal, M");
    EXPECT_EQ(QuotedTagValue(tags, "[Black \""), "") << "absent tag";
    EXPECT_EQ(QuotedTagValue(tags, "[Site \""), "") << "tag without its closing quote";

    // An entry ends at its own game's end when its Black tag is missing.
    const std::string file = "[Event \"A\"]\n[White \"W\"]\n1. e4 *\n[Event \"B\"]\n[Black \"K\"]\n1. d4 *\n";
    const auto games = IndexGames(file);
    ASSERT_EQ(games.size(), 2u);
    EXPECT_EQ(MatchEntryText(file, games[0]), " Event  A  \n White  W  \n1. e4 *");
    EXPECT_EQ(MatchEntryText(file, games[1]), " Event  B  \n Black  K  ");
    EXPECT_EQ(MatchEntryText("[Event \"C\"]\n1. c4 *", IndexGames("[Event \"C\"]\n1. c4 *")[0]),
              " Event  C  \n1. c4 *");
    // The replay's lines keep an eight-blank Black field when Black has no move.
    EXPECT_EQ(SplitMoveLine("12. Rxe8+         ").white, "Rxe8+");
    EXPECT_EQ(SplitMoveLine("12. Rxe8+         ").black, "");
}

TEST(ShippedFile, FoundInTheDataOrTheDocumentFolderOnly)
{
    struct Case {
        const char* what;
        std::vector<const char*> files; // relative to the prefix
        const char* expected;           // relative to the prefix, "" for none
    };
    const Case cases[] = {
        {"installed under a prefix", {"share/doc/morvane3/README.md"}, "share/doc/morvane3/README.md"},
        {"beside the data wins",
         {"share/morvane3/README.md", "share/doc/morvane3/README.md"},
         "share/morvane3/README.md"},
        {"another package's documents", {"share/doc/other/README.md", "share/README.md"}, ""},
        {"nowhere", {}, ""},
    };
    for (const Case& c : cases) {
        QTemporaryDir prefix;
        const std::filesystem::path root = prefix.path().toStdString();
        std::filesystem::create_directories(root / "share/morvane3");
        for (const char* file : c.files) {
            std::filesystem::create_directories((root / file).parent_path());
            std::ofstream{root / file};
        }
        const QString found = shippedFile(prefix.filePath(QStringLiteral("share/morvane3/")), "README.md");
        const QString expected = *c.expected ? QDir::cleanPath(prefix.filePath(QLatin1String(c.expected))) : QString();
        EXPECT_EQ(found, expected) << c.what;
    }
}

} // namespace
