// The game editor driven through its board, buttons and labels.

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <tuple>

#include "editor_fixture.h"
#include "settings_store.h"
#include <quillboard/image_set.h>

namespace {

using edtest::Editor;
using edtest::kStart;
using edtest::lines;
using morvane::FrmGE;

const std::string kIllegal = "    Illegal Move ";
const std::string kAfterE5 = "rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR";

bool highlighted(const QLabel* label)
{
    return label->palette().color(QPalette::Window) == QPalette().color(QPalette::Highlight);
}

TEST(GameEditor, WrongColourIsPutBackSilentlyAndUndoReturnsToTheStart)
{
    Editor e;
    e.drag("e7", "e5");
    EXPECT_EQ(e.placement(), kStart);
    e.drag("e2", "e4");
    EXPECT_EQ(e.white(1), "1. e4");
    e.click(e.button("Undo"));
    EXPECT_EQ(e.white(1), "");
    EXPECT_FALSE(e.button("Undo")->isEnabled());
    e.drag("d7", "d5"); // White is to move again
    EXPECT_EQ(e.placement(), kStart);
    e.drag("d2", "d4");
    EXPECT_EQ(e.white(1), "1. d4");
    EXPECT_TRUE(e.dialogs.messages.empty());
}

TEST(GameEditor, MoveAfterNavigatingBackDiscardsTheLaterMoves)
{
    Editor e;
    e.play("e2e4 e7e5 g1f3 b8c6 f1b5");
    e.click(e.navigate(FrmGE::Last));
    for (int i = 0; i < 3; ++i)
        e.click(e.navigate(FrmGE::Previous));
    EXPECT_TRUE(highlighted(e.label(false, 1)));
    e.drag("d2", "d4");
    EXPECT_EQ(e.white(2), "2. d4");
    EXPECT_EQ(e.black(2), "");
    EXPECT_EQ(e.white(3), "");
    // The history lost the discarded positions too: undo goes back to after e5.
    e.click(e.button("Undo"));
    EXPECT_EQ(e.placement(), kAfterE5);
}

// Whether a side has castled is read from the moves before the one entered, so
// undoing or stepping back over a castling allows it again.
TEST(GameEditor, OnlyAnEarlierCastlingForbidsAnother)
{
    Editor e;
    e.play("e2e4 e7e5 g1f3 b8c6 f1c4 f8c5 e1g1 g8f6 g1e1 d7d6 f1h1 a7a6");
    EXPECT_EQ(e.white(5), "5. Ke1");
    EXPECT_EQ(e.dialogs.texts(), std::vector<std::string>{kIllegal});
    const std::string before = e.placement();
    e.drag("e1", "g1");
    EXPECT_EQ(e.dialogs.texts(), (std::vector<std::string>{kIllegal, "Can't Castle"}));
    EXPECT_EQ(e.placement(), before);
    e.drag("a2", "a3");
    EXPECT_EQ(e.white(7), "7. a3");

    Editor loaded;
    loaded.load(lines("e4 e5 Nf3 Nc6 Bc4 Bc5 O-O Nf6 Re1 0-1"));
    loaded.drag("e8", "g8"); // a result in Black's field is no castling
    EXPECT_EQ(loaded.black(5), "5. O-O");
    QTest::mouseClick(loaded.label(false, 3), Qt::LeftButton);
    loaded.drag("e1", "g1");
    EXPECT_EQ(loaded.white(4), "4. O-O");
    EXPECT_EQ(loaded.black(4), "");
    EXPECT_TRUE(loaded.dialogs.messages.empty());
}

// Sixteen rows are shown: the 17th move scrolls the view by one row.
TEST(GameEditor, NavigationScrollsTheViewToTheSelectedRow)
{
    Editor e;
    std::string game;
    for (int n = 1; n <= 17; ++n)
        game += n % 2 ? "Nf3 Nf6 " : "Ng1 Ng8 ";
    e.load(lines(game));
    e.click(e.navigate(FrmGE::First));
    EXPECT_EQ(e.white(1), "1. Nf3");
    EXPECT_TRUE(highlighted(e.label(true, 1)));
    EXPECT_EQ(e.placement(), "rnbqkbnr/pppppppp/8/8/8/5N2/PPPPPPPP/RNBQKB1R");
    e.click(e.navigate(FrmGE::Last));
    EXPECT_EQ(e.white(1), "2. Ng1");
    EXPECT_EQ(e.black(16), "17. Nf6");
    EXPECT_TRUE(highlighted(e.label(false, 16)));
    EXPECT_EQ(e.placement(), "rnbqkb1r/pppppppp/5n2/8/8/5N2/PPPPPPPP/RNBQKB1R");
    EXPECT_FALSE(e.navigate(FrmGE::Next)->isEnabled());
}

TEST(GameEditor, InvalidMoveInALoadedGameStopsTheReplayAndKeepsTheEditorOpen)
{
    Editor e;
    e.load(lines("e4 e5 Zf3 Nc6 Bc4 Bc5"));
    ASSERT_EQ(e.dialogs.messages.size(), 1u);
    EXPECT_EQ(e.dialogs.messages[0].text, "Invalid Move");
    EXPECT_EQ(e.dialogs.messages[0].icon, morvane::MsgIcon::Critical);
    EXPECT_EQ(e.white(2), "");
    EXPECT_EQ(e.placement(), kAfterE5);
    e.drag("g1", "f3");
    e.click(e.button("OK"));
    EXPECT_EQ(e.form->moveLines(), lines("e4 e5 Nf3"));
}

TEST(GameEditor, ARunTimeFailureKeepsWhatWasEnteredBefore)
{
    Editor e;
    e.play("e2e4 f7f6 d1h5 a7a6");
    const std::string before = e.placement();
    e.drag("h5", "e8"); // takes the king: there is no check to test any more
    EXPECT_EQ(e.dialogs.texts(), std::vector<std::string>{"An Error Happenned"});
    EXPECT_EQ(e.placement(), before);
    EXPECT_EQ(e.white(3), "");
    e.drag("h5", "f7");
    EXPECT_EQ(e.white(3), "3. Qf7+");
}

TEST(GameEditor, BoardStyleComesFromTheStyleSetting)
{
    const QTemporaryDir dir;
    const std::tuple<const char*, std::int32_t, bool> rows[] = {
        {"0", quill::Modern, false}, {"2", quill::Classic, false}, {"3", quill::Classic, true}};
    for (const auto& [style, boardStyle, ownPieces] : rows) {
        morvane::SettingsStore store(dir.filePath("settings.db").toStdString());
        morvane::Config config(store);
        config.save("style", style);
        testutil::ScriptedDialogs dialogs;
        FrmGE form(dialogs, morvane::EditorServices{&config, {}, {}});
        EXPECT_EQ(form.board().BoardStyle(), boardStyle) << style;
        const quill::Picture pawn = form.board().Picture(quill::Wpawn);
        EXPECT_EQ(!(pawn == quill::ImageSet::classic().at(quill::Wpawn)) &&
                      !(pawn == quill::ImageSet::modern().at(quill::Wpawn)),
                  ownPieces)
            << style;
    }
}

} // namespace
