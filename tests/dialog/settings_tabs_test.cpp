// The dialog as a whole: what a first start shows, what Apply stores and a second
// opening shows again, Cancel, the close guard, and the Setup, Sound and About tabs.

#include <QGroupBox>
#include <QListView>
#include <QPlainTextEdit>
#include <QSignalSpy>

#include <filesystem>
#include <map>

#include "dialog_harness.h"
#include "dialog_parts.h"
#include "game_index.h"
#include "link_label.h"
#include "style_preview.h"

using namespace testutil;
using morvane::MsgAnswer;

namespace {

// Every key Apply writes, with the value a first start would write.
const std::vector<std::string> kAppliedKeys = {"TextColor", "BackColor", "Timer",   "Timer2",       "Random",
                                               "sound",     "sound1",    "sound2",  "sound3",       "WavFile1",
                                               "WavFile2",  "WavFile3",  "rotate",  "HideMoveList", "style",
                                               "FontName",  "FontSize",  "PGNFile", "NumOfGames",   "FirstGame"};

bool checked(QWidget* dialog, const char* name)
{
    return child<QCheckBox>(dialog, name)->isChecked();
}

TEST(SettingsDialog, AFirstStartShowsTheDefaults)
{
    DialogHarness h;
    auto dialog = h.open();
    QWidget* d = dialog.get();
    EXPECT_EQ(colourOf(child(d, "Picture1")), QColor(0, 255, 0)) << "green text";
    EXPECT_EQ(colourOf(child(d, "Picture3")), QColor(0, 0, 0)) << "on black";
    EXPECT_EQ(textOf(d, "Text1"), "2");
    EXPECT_EQ(textOf(d, "Text2"), "10");
    EXPECT_FALSE(checked(d, "Random"));
    EXPECT_FALSE(checked(d, "HideMoveList"));
    EXPECT_FALSE(checked(d, "rotate"));
    EXPECT_EQ(textOf(d, "Combo1"), "Modern");
    EXPECT_EQ(textOf(d, "lblFontTest"), "Arial\nSize = 12");
    EXPECT_EQ(child(d, "lblFontTest")->font().family(), "Arial");

    EXPECT_FALSE(checked(d, "Mute"));
    EXPECT_TRUE(checked(d, "Sound1"));
    EXPECT_TRUE(checked(d, "Sound2"));
    EXPECT_TRUE(checked(d, "Sound3"));
    EXPECT_FALSE(child(d, "Frame8")->isHidden());
    EXPECT_EQ(textOf(d, "Label30(0)"), QString::fromStdString(h.appPath + "move.wav"));
    EXPECT_EQ(textOf(d, "Label30(1)"), QString::fromStdString(h.appPath + "capture.wav"));
    EXPECT_EQ(textOf(d, "Label30(2)"), QString::fromStdString(h.appPath + "castle.wav"));

    EXPECT_EQ(textOf(d, "Location"), QString::fromStdString(h.appPath + "default.pgn"));
    EXPECT_EQ(textOf(d, "MoveNum"), "1.");
    EXPECT_EQ(textOf(d, "FileName2"), "File name : ");
    EXPECT_FALSE(child(d, "Save")->isEnabled());
    EXPECT_FALSE(child(d, "SaveAs")->isEnabled());
    EXPECT_TRUE(child(d, "Command15")->isHidden());
    EXPECT_TRUE(h.dialogs.messages.empty());
    for (const std::string& key : kAppliedKeys)
        EXPECT_EQ(h.stored(key), "<absent>") << "opening writes nothing: " << key;
}

TEST(SettingsDialog, ApplyStoresEveryChoiceAndTheNextOpeningShowsIt)
{
    DialogHarness h;
    const std::string pgn = h.path("mine.pgn");
    writeBytes(pgn, readBytes(dataPgn("lichess_2019.pgn")));
    const std::string wav = h.path("ding.wav");
    {
        auto dialog = h.open();
        QWidget* d = dialog.get();
        type(d, "Text1", "3.5");
        type(d, "Text2", "soon"); // stored as typed
        click(d, "Random");
        click(d, "HideMoveList");
        click(d, "rotate");
        child<QComboBox>(d, "Combo1")->setCurrentIndex(3);
        h.dialogs.fonts.push_back(morvane::FontChoice{"DejaVu Serif", 10.5});
        h.dialogs.colors.push_back(0x0000FFu); // red text
        click(d, "Command1");
        h.dialogs.colors.push_back(0x804020u);
        click(d, "Command10");
        click(d, "Sound2");
        h.dialogs.files.push_back(wav);
        click(d, "Command12");
        h.dialogs.files.push_back(pgn);
        click(d, "Command9");
        auto* list = child<QListView>(d, "List1");
        list->setCurrentIndex(list->model()->index(4, 0));
        click(d, "Mute");
        click(d, "CmdApply");
        EXPECT_TRUE(d->isVisible()) << "Apply keeps the dialog open";
    }
    const std::map<std::string, std::string> expected = {
        {"TextColor", "255"}, {"BackColor", std::to_string(0x804020)},
        {"Timer", "3.5"},     {"Timer2", "soon"},
        {"Random", "1"},      {"sound", "1"},
        {"sound1", "1"},      {"sound2", "0"},
        {"sound3", "1"},      {"WavFile1", h.appPath + "move.wav"},
        {"WavFile2", wav},    {"WavFile3", h.appPath + "castle.wav"},
        {"rotate", "1"},      {"HideMoveList", "1"},
        {"style", "4"},       {"FontName", "DejaVu Serif"},
        {"FontSize", "10.5"}, {"PGNFile", pgn},
        {"FirstGame", "5"},   {"NumOfGames", std::to_string(morvane::IndexGames(readBytes(pgn)).size())}};
    for (const auto& [key, value] : expected)
        EXPECT_EQ(h.stored(key), value) << key;
    EXPECT_EQ(h.config().get("wavfile2", ""), wav) << "keys ignore letter case";

    auto dialog = h.open();
    QWidget* d = dialog.get();
    EXPECT_EQ(colourOf(child(d, "Picture1")), QColor(255, 0, 0));
    EXPECT_EQ(colourOf(child(d, "Picture3")), QColor(0x20, 0x40, 0x80));
    EXPECT_EQ(textOf(d, "Text1"), "3.5");
    EXPECT_EQ(textOf(d, "Text2"), "soon");
    EXPECT_TRUE(checked(d, "Random"));
    EXPECT_TRUE(checked(d, "HideMoveList"));
    EXPECT_TRUE(checked(d, "rotate"));
    EXPECT_EQ(textOf(d, "Combo1"), "Castles!");
    EXPECT_TRUE(child(d, "Image1(3)")->isVisible());
    EXPECT_FALSE(child(d, "Image1(0)")->isVisible());
    EXPECT_EQ(textOf(d, "lblFontTest"), "DejaVu Serif\nSize = 10.5");
    EXPECT_TRUE(checked(d, "Mute"));
    EXPECT_TRUE(child(d, "Frame8")->isHidden()) << "a muted configuration opens with the choices hidden";
    EXPECT_FALSE(checked(d, "Sound2"));
    EXPECT_EQ(textOf(d, "Label30(1)"), QString::fromStdString(wav));
    EXPECT_EQ(textOf(d, "Location"), QString::fromStdString(pgn));
    EXPECT_EQ(textOf(d, "Match"), "Match 5 will be played first");
}

TEST(SettingsDialog, AShorterMatchListLeavesNoPairsOfTheLongerOne)
{
    DialogHarness h;
    const std::string game = "[Event \"E\"]\n[White \"W\"]\n[Black \"B\"]\n\n1. e4 e5 *\n\n";
    writeBytes(h.path("three.pgn"), game + game + game);
    writeBytes(h.path("two.pgn"), game + game);
    auto dialog = h.open();
    h.dialogs.files.push_back(h.path("three.pgn"));
    click(dialog.get(), "Command9");
    click(dialog.get(), "CmdApply");
    EXPECT_EQ(h.stored("NumOfGames"), "3");
    EXPECT_NE(h.stored("MatchBegin3"), "<absent>");

    h.dialogs.files.push_back(h.path("two.pgn"));
    click(dialog.get(), "Command9");
    click(dialog.get(), "CmdApply");
    EXPECT_EQ(h.stored("NumOfGames"), "2");
    EXPECT_EQ(h.stored("MatchBegin2"), std::to_string(game.size() + 1));
    EXPECT_EQ(h.stored("MatchEnd2"), std::to_string(2 * game.size() + 1));
    EXPECT_EQ(h.stored("MatchBegin3"), "<absent>");
    EXPECT_EQ(h.stored("MatchEnd3"), "<absent>");
}

TEST(SettingsDialog, ApplyTellsWhenTheSettingsCannotBeKept)
{
    DialogHarness h;
    h.store = std::make_unique<morvane::SettingsStore>(h.path("")); // a folder: no database there
    auto dialog = h.open();
    click(dialog.get(), "CmdApply");
    click(dialog.get(), "CmdApply");
    ASSERT_EQ(h.dialogs.messages.size(), 1u) << "said once";
    EXPECT_NE(h.dialogs.messages[0].text.find("last only until the program ends"), std::string::npos);
}

TEST(SettingsDialog, CancelWritesNothingAndEndsTheProgram)
{
    DialogHarness h;
    auto dialog = h.open();
    QSignalSpy closed(dialog.get(), &morvane::FrmSettings::closed);
    type(dialog.get(), "Text1", "7");
    click(dialog.get(), "Random");
    click(dialog.get(), "Command8");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(closed.count(), 1);
    for (const std::string& key : kAppliedKeys)
        EXPECT_EQ(h.stored(key), "<absent>") << key;
}

TEST(SettingsDialog, AnUnsavedGameIsGuardedOnClosing)
{
    DialogHarness h;
    auto dialog = h.open();
    QSignalSpy closed(dialog.get(), &morvane::FrmSettings::closed);
    click(dialog.get(), "Command7");
    type(dialog.get(), "WhiteMove", "e4");
    type(dialog.get(), "BlackMove", "e5");
    click(dialog.get(), "Update");
    type(dialog.get(), "Text1", "4");

    h.dialogs.answers = {MsgAnswer::No};
    click(dialog.get(), "CmdOk");
    ASSERT_EQ(h.dialogs.messages.size(), 1u);
    EXPECT_EQ(h.dialogs.messages[0].text, "The game is not saved, are you sure you  want to cancel it ?");
    EXPECT_EQ(h.dialogs.messages[0].buttons, morvane::MsgButtons::YesNoDefaultNo);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->currentTab(), morvane::FrmSettings::PgnImportPage);
    EXPECT_EQ(h.stored("Timer"), "4") << "OK applied before asking";
    EXPECT_EQ(closed.count(), 0);

    h.dialogs.answers = {MsgAnswer::No};
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible()) << "Escape goes through the same guard";

    h.dialogs.answers = {MsgAnswer::Yes};
    dialog->close();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(closed.count(), 1);
}

TEST(SetupTab, FontAndColourButtonsChangeThePreview)
{
    DialogHarness h;
    auto dialog = h.open();
    QWidget* d = dialog.get();
    h.dialogs.fonts.push_back(std::nullopt);
    click(d, "Command1");
    EXPECT_EQ(textOf(d, "lblFontTest"), "Arial\nSize = 12") << "a cancelled font dialog changes nothing";
    EXPECT_TRUE(h.dialogs.colors.empty());

    h.dialogs.fonts.push_back(morvane::FontChoice{"DejaVu Sans Mono", 14});
    h.dialogs.colors.push_back(std::nullopt);
    click(d, "Command1");
    EXPECT_EQ(textOf(d, "lblFontTest"), "DejaVu Sans Mono\n Size = 14");
    EXPECT_EQ(colourOf(child(d, "Picture1")), QColor(0, 255, 0)) << "the colour stays when its dialog is cancelled";

    h.dialogs.colors.push_back(0xFFFFFFu);
    click(d, "Command10");
    EXPECT_EQ(colourOf(child(d, "Picture3")), QColor(255, 255, 255));
    const QImage preview = child(d, "lblFontTest")->grab().toImage();
    EXPECT_EQ(preview.pixelColor(3, 3), QColor(255, 255, 255)) << "the preview's background follows";
}

TEST(SetupTab, TheStyleListShowsOnePreviewAtATime)
{
    DialogHarness h;
    h.config().save("style", "9");
    auto dialog = h.open();
    QWidget* d = dialog.get();
    EXPECT_EQ(textOf(d, "Combo1"), "Modern") << "an unknown stored style shows the first";
    auto* combo = child<QComboBox>(d, "Combo1");
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(textOf(d, "Combo1"), "Classic");
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(child(d, morvane::arrayName("Image1", i).toLatin1().constData())->isVisible(), i == 1);
    // Two styles differ in what they draw.
    const QImage classic = child(d, "Image1(1)")->grab().toImage();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_NE(child(d, "Image1(2)")->grab().toImage(), classic);
}

TEST(SetupTab, PreviewsUseTheArtworkAndStillDrawWithoutIt)
{
    DialogHarness h;
    auto dialog = h.open();
    child(dialog.get(), "Image1(0)")->grab();
    EXPECT_TRUE(child<morvane::StylePreview>(dialog.get(), "Image1(0)")->isComplete()) << "artwork built in";

    morvane::StylePreview missing(QStringLiteral("no-such-set"), QStringLiteral("no-such-set"));
    const QImage image = missing.grab().toImage();
    EXPECT_FALSE(missing.isComplete());
    // Light and dark squares and the letters of both sides: a board, not a blank.
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            colours.insert(image.pixel(x, y));
    EXPECT_GE(colours.size(), 4);
}

TEST(SoundTab, MuteHidesTheChoicesAndPlayButtonsPlayTheirFile)
{
    DialogHarness h;
    auto dialog = h.open();
    QWidget* d = dialog.get();
    click(d, "Mute");
    EXPECT_FALSE(child(d, "Frame8")->isVisible());
    click(d, "Mute");
    EXPECT_TRUE(child(d, "Frame8")->isVisible());

    click(d, "Command18(2)");
    EXPECT_EQ(h.playedSounds, std::vector<QString>{QString::fromStdString(h.appPath + "castle.wav")});

    h.config().save("WavFile1", "");
    auto emptied = h.open();
    click(emptied.get(), "Command18(0)");
    EXPECT_EQ(h.playedSounds.size(), 1u) << "an empty file label plays nothing";

    h.dialogs.files.push_back(std::nullopt);
    click(d, "Command11");
    EXPECT_EQ(textOf(d, "Label30(0)"), QString::fromStdString(h.appPath + "move.wav")) << "cancel keeps the file";
}

TEST(AboutTab, ButtonsSwitchTheTextsAndLinksOpenRealPlaces)
{
    DialogHarness h;
    auto dialog = h.open();
    QWidget* d = dialog.get();
    click(d, "Command3");
    EXPECT_TRUE(child(d, "Readme")->isVisible());
    EXPECT_FALSE(child(d, "License")->isVisible());
    EXPECT_NE(child<QPlainTextEdit>(d, "Readme")->toPlainText().indexOf("chess screensaver"), -1);
    click(d, "Command4");
    EXPECT_FALSE(child(d, "Readme")->isVisible());
    EXPECT_TRUE(child(d, "License")->isVisible());
    EXPECT_NE(child<QPlainTextEdit>(d, "License")->toPlainText().indexOf("MIT"), -1);
    click(d, "Command5");
    EXPECT_FALSE(child(d, "Readme")->isVisible());
    EXPECT_FALSE(child(d, "License")->isVisible());
    EXPECT_TRUE(child(d, "ProgramInfo")->isVisible());

    for (int i = 0; i < 5; ++i) {
        const QString name = morvane::arrayName("lblUrl", i);
        auto* link = child<morvane::LinkLabel>(d, name.toLatin1().constData());
        click(d, name.toLatin1().constData());
        ASSERT_EQ(h.openedUrls.back(), link->text());
        if (!link->text().startsWith("https://")) {
            EXPECT_TRUE(std::filesystem::exists(link->text().toStdString())) << "links name real files";
        }
    }
    EXPECT_EQ(h.openedUrls.size(), 5u);
}

} // namespace
