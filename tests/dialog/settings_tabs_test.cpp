// The dialog as a whole: what a first start shows, what Apply stores and a second
// opening shows again, Cancel, the close guard, and the Setup, Sound and About tabs.

#include <QListView>
#include <QPlainTextEdit>
#include <QSignalSpy>

#include <filesystem>
#include <map>
#include <tuple>

#include "dialog_harness.h"
#include "dialog_parts.h"
#include "game_index.h"
#include "link_label.h"
#include "style_preview.h"

using namespace testutil;
using morvane::MsgAnswer;

namespace {

using Texts = std::vector<std::pair<const char*, std::string>>;

// Each control shows its text.
void expectShown(QWidget* d, const Texts& texts)
{
    for (const auto& [name, text] : texts)
        EXPECT_EQ(textOf(d, name).toStdString(), text) << name;
}

// The defaults that depend on where the program is (its data folder), the colours
// and the times; the check boxes' defaults show in what one click on each stores.
TEST_F(OpenDialog, AFirstStartShowsTheDefaultsAndCancelWritesNothing)
{
    EXPECT_EQ(colourOf(child(d, "Picture1")), QColor(0, 255, 0)) << "green text";
    EXPECT_EQ(colourOf(child(d, "Picture3")), QColor(0, 0, 0)) << "on black";
    expectShown(d, {{"Text1", "2"},
                    {"Text2", "10"},
                    {"Label30(0)", h.appPath + "move.wav"},
                    {"Label30(2)", h.appPath + "castle.wav"},
                    {"Location", h.appPath + "default.pgn"}});
    EXPECT_EQ(child(d, "lblFontTest")->font().family(), "Arial");

    QSignalSpy closed(dialog.get(), &morvane::FrmSettings::closed);
    type(d, "Text1", "7");
    click(d, "Random");
    click(d, "Command8");
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(closed.count(), 1);
    EXPECT_TRUE(h.dialogs.messages.empty());
    for (const char* key : {"TextColor", "BackColor", "Timer", "Timer2", "Random", "sound", "sound1", "WavFile1",
                            "rotate", "HideMoveList", "style", "FontName", "FontSize", "PGNFile", "FirstGame"})
        EXPECT_EQ(h.stored(key), "<absent>") << key;
}

TEST(SettingsDialog, ApplyStoresEveryChoiceAndTheNextOpeningShowsIt)
{
    DialogHarness h;
    const std::string pgn = h.path("mine.pgn");
    writeBytes(pgn, readBytes(dataPgn("lichess_2019.pgn")));
    const std::string wav = h.path("ding.wav");
    // Each box clicked once from its default, what it then stores, and ticked at the next
    // opening unless that is "0".
    const std::vector<std::tuple<const char*, const char*, std::string>> boxes = {
        {"Random", "Random", "1"},
        {"HideMoveList", "HideMoveList", "1"},
        {"rotate", "rotate", "1"},
        {"Sound2", "sound2", "0"},
        {"Mute", "sound", "1"},
        {"HighlightMove", "HighlightMove", "1"},
        {"AnimateMoves", "AnimateMoves", "1"},
        {"ShowComments", "ShowComments", "1"},
        {"PaceByClock", "PaceByClock", "4"}};
    {
        auto dialog = h.open();
        QWidget* d = dialog.get();
        type(d, "Text1", "3.5");
        type(d, "Text2", "soon"); // stored as typed
        type(d, "txtPaceFactor", "4");
        child<QComboBox>(d, "Combo1")->setCurrentIndex(3);
        h.dialogs.fonts.push_back(morvane::FontChoice{"DejaVu Serif", 10.5});
        h.dialogs.colors = {0x0000FFu, 0x804020u}; // red text, then the background
        click(d, "Command1");
        click(d, "Command10");
        h.dialogs.files = {wav, pgn};
        click(d, "Command12");
        click(d, "Command9");
        child<QListView>(d, "List1")->setCurrentIndex(child<QListView>(d, "List1")->model()->index(4, 0));
        for (const auto& [box, key, stored] : boxes)
            click(d, box);
        EXPECT_FALSE(child(d, "Frame8")->isVisible()) << "Mute hides the sound choices";
        click(d, "CmdApply");
        EXPECT_TRUE(d->isVisible()) << "Apply keeps the dialog open";
    }
    const std::map<std::string, std::string> expected = {
        {"TextColor", "255"},
        {"BackColor", std::to_string(0x804020)},
        {"Timer", "3.5"},
        {"Timer2", "soon"},
        {"sound1", "1"},
        {"sound3", "1"},
        {"WavFile1", h.appPath + "move.wav"},
        {"wavfile2", wav},
        {"WavFile3", h.appPath + "castle.wav"},
        {"style", "4"},
        {"FontName", "DejaVu Serif"},
        {"FontSize", "10.5"},
        {"PGNFile", pgn},
        {"FirstGame", "5"},
        {"NumOfGames", std::to_string(morvane::IndexGames(readBytes(pgn)).size())}};
    for (const auto& [key, value] : expected)
        EXPECT_EQ(h.stored(key), value) << key;

    auto dialog = h.open();
    QWidget* d = dialog.get();
    EXPECT_EQ(colourOf(child(d, "Picture1")), QColor(255, 0, 0));
    EXPECT_EQ(colourOf(child(d, "Picture3")), QColor(0x20, 0x40, 0x80));
    expectShown(d, {{"Text1", "3.5"},
                    {"Text2", "soon"},
                    {"Combo1", "Castles!"},
                    {"lblFontTest", "DejaVu Serif\nSize = 10.5"},
                    {"Label30(1)", wav},
                    {"Location", pgn},
                    {"Match", "Match 5 will be played first"}, // the stored first game stays chosen
                    {"txtPaceFactor", "4"}});
    for (const auto& [box, key, stored] : boxes) {
        EXPECT_EQ(h.stored(key), stored) << key;
        EXPECT_EQ(child<QCheckBox>(d, box)->isChecked(), stored != "0") << box;
    }
    EXPECT_TRUE(child(d, "Image1(3)")->isVisible());
    EXPECT_FALSE(child(d, "Image1(0)")->isVisible());
    EXPECT_TRUE(child(d, "Frame8")->isHidden()) << "a muted configuration opens with the choices hidden";
}

// A factor that is no factor, or the box left unticked, stores 0: no pacing by the clocks.
TEST(SetupTab, AClockPaceThatIsNoPaceIsStoredAsOff)
{
    DialogHarness h;
    for (const auto& [tick, factor] :
         std::vector<std::pair<bool, QString>>{{true, "soon"}, {true, "-2"}, {false, "4"}}) {
        auto dialog = h.open();
        if (tick)
            click(dialog.get(), "PaceByClock");
        type(dialog.get(), "txtPaceFactor", factor);
        click(dialog.get(), "CmdApply");
        EXPECT_EQ(h.stored("PaceByClock"), "0") << factor.toStdString();
    }
    auto dialog = h.open();
    EXPECT_EQ(textOf(dialog.get(), "txtPaceFactor"), "10");
    EXPECT_FALSE(child<QCheckBox>(dialog.get(), "PaceByClock")->isChecked());
}

TEST(SettingsDialog, ApplyTellsOnceWhenTheSettingsCannotBeKept)
{
    DialogHarness h;
    h.store = std::make_unique<morvane::SettingsStore>(h.path("")); // a folder: no database there
    auto dialog = h.open();
    click(dialog.get(), "CmdApply");
    click(dialog.get(), "CmdApply");
    ASSERT_EQ(h.dialogs.messages.size(), 1u);
    EXPECT_NE(h.dialogs.messages[0].text.find("last only until the program ends"), std::string::npos);
}

TEST_F(OpenDialog, AnUnsavedGameIsGuardedOnClosing)
{
    QSignalSpy closed(dialog.get(), &morvane::FrmSettings::closed);
    click(d, "Command7");
    enterMoves(d, "e4", "e5");
    type(d, "Text1", "4");
    h.dialogs.answers = {MsgAnswer::No, MsgAnswer::No};
    click(d, "CmdOk");
    QTest::keyClick(d, Qt::Key_Escape); // the same guard
    EXPECT_EQ(h.dialogs.texts(), std::vector<std::string>(2, "The game is not saved, are you sure you  want to "
                                                             "cancel it ?"));
    EXPECT_EQ(h.dialogs.messages[0].buttons, morvane::MsgButtons::YesNoDefaultNo);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->currentTab(), morvane::FrmSettings::PgnImportPage);
    EXPECT_EQ(h.stored("Timer"), "4") << "OK applied before asking";
    EXPECT_EQ(closed.count(), 0);
    h.dialogs.answers = {MsgAnswer::Yes};
    dialog->close();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(OpenDialog, SetupFontAndColourButtonsChangeThePreview)
{
    h.dialogs.fonts = {std::nullopt, morvane::FontChoice{"DejaVu Sans Mono", 14}};
    click(d, "Command1");
    EXPECT_EQ(textOf(d, "lblFontTest"), "Arial\nSize = 12") << "a cancelled font dialog changes nothing";
    h.dialogs.colors.push_back(std::nullopt);
    click(d, "Command1");
    EXPECT_EQ(textOf(d, "lblFontTest"), "DejaVu Sans Mono\n Size = 14");
    EXPECT_EQ(colourOf(child(d, "Picture1")), QColor(0, 255, 0)) << "the colour stays when its dialog is cancelled";
    h.dialogs.colors.push_back(0xFFFFFFu);
    click(d, "Command10");
    EXPECT_EQ(colourOf(child(d, "Picture3")), QColor(255, 255, 255));
    EXPECT_EQ(child(d, "lblFontTest")->grab().toImage().pixelColor(3, 3), QColor(255, 255, 255))
        << "the preview's background follows";
}

TEST(SetupTab, AnUnknownStoredStyleShowsTheFirstAndEachStyleDrawsItsBuiltInArtwork)
{
    DialogHarness h;
    h.config().save("style", "9");
    auto dialog = h.open();
    QWidget* d = dialog.get();
    EXPECT_EQ(textOf(d, "Combo1"), "Modern") << "an unknown stored style shows the first";
    child(d, "Image1(0)")->grab();
    EXPECT_TRUE(child<morvane::StylePreview>(d, "Image1(0)")->isComplete()) << "artwork built in";
    auto* combo = child<QComboBox>(d, "Combo1");
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(textOf(d, "Combo1"), "Classic");
    const QImage classic = child(d, "Image1(1)")->grab().toImage();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_NE(child(d, "Image1(2)")->grab().toImage(), classic) << "two styles differ in what they draw";
}

TEST_F(OpenDialog, SoundPlayButtonsPlayTheirFile)
{
    click(d, "Command18(2)");
    EXPECT_EQ(h.playedSounds, std::vector<QString>{QString::fromStdString(h.appPath + "castle.wav")});
    h.dialogs.files.push_back(std::nullopt);
    click(d, "Command11");
    EXPECT_EQ(textOf(d, "Label30(0)"), QString::fromStdString(h.appPath + "move.wav")) << "cancel keeps the file";
    h.config().save("WavFile1", "");
    auto emptied = h.open();
    click(emptied.get(), "Command18(0)");
    EXPECT_EQ(h.playedSounds.size(), 1u) << "an empty file label plays nothing";
}

TEST(AboutTab, ButtonsShowTheShippedTextsAndLinksOpenRealPlaces)
{
    DialogHarness h;
    // The documents of an install under a prefix: beside the data folder.
    std::filesystem::create_directories(h.appPath + "../doc/morvane3");
    for (const char* name : {"README.md", "LICENSE"})
        writeBytes(h.appPath + "../doc/morvane3/" + name, "text");
    auto dialog = h.open();
    QWidget* d = dialog.get();
    click(d, "Command3");
    EXPECT_NE(child<QPlainTextEdit>(d, "Readme")->toPlainText().indexOf("chess screensaver"), -1);
    click(d, "Command4");
    EXPECT_FALSE(child(d, "Readme")->isVisible());
    EXPECT_NE(child<QPlainTextEdit>(d, "License")->toPlainText().indexOf("MIT"), -1);
    for (int i = 0; i < 5; ++i) {
        const QByteArray name = morvane::arrayName("lblUrl", i).toLatin1();
        click(d, name.constData());
        const QString target = child<morvane::LinkLabel>(d, name.constData())->text();
        ASSERT_EQ(h.openedUrls.back(), target);
        EXPECT_TRUE(target.startsWith("https://") || std::filesystem::exists(target.toStdString())) << "real files";
    }
    EXPECT_EQ(h.openedUrls.size(), 5u);
}

} // namespace
