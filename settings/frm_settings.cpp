#include "frm_settings.h"

#include "progress_box.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSoundEffect>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "about_tab.h"
#include "busy_cursor.h"
#include "dialogs.h"
#include "frm_ge.h"
#include "game_entry_tab.h"
#include "link_label.h"
#include "pgn_import_tab.h"
#include "setup_tab.h"
#include "sound_tab.h"

namespace morvane {

namespace {

std::string flag(bool on)
{
    return on ? "1" : "0";
}

// Plays one WAV file at a time; a new one cuts off the old.
class WavPlayer : public QObject {
public:
    void play(const QString& path)
    {
        effect_.stop();
        effect_.setSource(QUrl::fromLocalFile(path));
        effect_.play();
    }

private:
    QSoundEffect effect_;
};

} // namespace

FrmSettings::FrmSettings(SettingsStore& store, Dialogs& dialogs, QString appPath, Services services, QWidget* parent)
    : QDialog(parent), store_(store), config_(store), dialogs_(dialogs), appPath_(std::move(appPath)),
      services_(std::move(services))
{
    setObjectName(QStringLiteral("frmSettings"));
    setWindowTitle(QStringLiteral("Morvane 3.0 Settings"));
    if (!services_.openUrl)
        services_.openUrl = [](const QString& address) { QDesktopServices::openUrl(QUrl::fromUserInput(address)); };
    if (!services_.editGame)
        services_.editGame = [this](const std::vector<std::string>& moveLines) {
            EditorServices editor;
            editor.config = &config_;
            editor.playMoveSound = services_.playMoveSound;
            return FrmGE::editGame(moveLines, dialogs_, editor, this, entry_->startPosition());
        };
    if (!services_.playSound) {
        auto player = std::make_unique<WavPlayer>();
        services_.playSound = [p = player.get()](const QString& path) { p->play(path); };
        soundPlayer_ = std::move(player);
    }

    SSTab1_ = new QTabWidget(this);
    SSTab1_->setObjectName(QStringLiteral("SSTab1"));
    setup_ = new SetupTab(dialogs_, appPath_, SSTab1_);
    sound_ = new SoundTab(dialogs_, appPath_, services_.playSound, SSTab1_);
    import_ = new PgnImportTab(config_, dialogs_, appPath_, SSTab1_);
    entry_ = new GameEntryTab(dialogs_, appPath_, services_.editGame, SSTab1_);
    about_ = new AboutTab(appPath_, QString::fromStdString(store_.path()), SSTab1_);
    SSTab1_->addTab(setup_, QStringLiteral(" Setup   "));
    SSTab1_->addTab(sound_, QStringLiteral("Sound "));
    SSTab1_->addTab(import_, QStringLiteral("  PGN Import "));
    SSTab1_->addTab(entry_, QStringLiteral("   Game Entry     "));
    SSTab1_->addTab(about_, QStringLiteral(" About   "));

    CmdOk_ = new QPushButton(QStringLiteral("&OK"), this);
    CmdOk_->setObjectName(QStringLiteral("CmdOk"));
    CmdApply_ = new QPushButton(QStringLiteral("&Apply"), this);
    CmdApply_->setObjectName(QStringLiteral("CmdApply"));
    Command8_ = new QPushButton(QStringLiteral("&Cancel"), this);
    Command8_->setObjectName(QStringLiteral("Command8"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(CmdOk_);
    buttons->addWidget(CmdApply_);
    buttons->addWidget(Command8_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SSTab1_, 1);
    layout->addLayout(buttons);

    connect(CmdOk_, &QPushButton::clicked, this, &FrmSettings::CmdOk_Click);
    connect(CmdApply_, &QPushButton::clicked, this, &FrmSettings::CmdApply_Click);
    connect(Command8_, &QPushButton::clicked, this, &FrmSettings::Command8_Click);
    connect(import_, &PgnImportTab::applyAllowed, CmdApply_, &QPushButton::setEnabled);
    connect(import_, &PgnImportTab::editGameClicked, this, &FrmSettings::Command6_Click);
    connect(import_, &PgnImportTab::newGameClicked, this, &FrmSettings::Command7_Click);
    // The listed positions must follow the file, or the next edit or Apply cuts
    // the games in the wrong places.
    const auto followFile = [this](const QString& path) {
        if (!import_->currentFile().isEmpty() && QFileInfo(path) == QFileInfo(import_->currentFile()))
            import_->rescan();
    };
    connect(entry_, &GameEntryTab::fileWritten, this, followFile);
    connect(entry_, &GameEntryTab::fileChangedElsewhere, this, followFile);
    for (LinkLabel* link : findChildren<LinkLabel*>())
        connect(link, &LinkLabel::activated, this, &FrmSettings::lblURL_Click);

    // Enter in a text box must press no button: not close the dialog behind the
    // user's back, nor open the font dialog from "Time between moves".
    for (QPushButton* b : findChildren<QPushButton*>())
        b->setAutoDefault(false);

    Form_Load();
    resize(sizeHint().expandedTo(QSize(640, 500)));
}

FrmSettings::~FrmSettings() = default;

void FrmSettings::Form_Load()
{
    setup_->load(config_);
    sound_->load(config_);
    import_->load();
}

void FrmSettings::selectTab(Tab tab)
{
    SSTab1_->setCurrentIndex(tab);
}

int FrmSettings::currentTab() const
{
    return SSTab1_->currentIndex();
}

void FrmSettings::CmdApply_Click()
{
    // A long match list takes a while to store.
    const BusyCursor busy;
    try {
        SettingsStore::Batch batch(store_);
        auto put = [this](const std::string& key, const std::string& value) { saveQuietly(key, value); };
        put("TextColor", std::to_string(setup_->textColor()));
        put("BackColor", std::to_string(setup_->backColor()));
        put("Timer", setup_->secondsBetweenMoves().toStdString());
        put("Timer2", setup_->secondsBetweenGames().toStdString());
        put("Random", flag(setup_->randomOrder()));
        put("sound", flag(sound_->muted()));
        for (int i = 0; i < 3; ++i)
            put("sound" + std::to_string(i + 1), flag(sound_->plays(i)));
        for (int i = 0; i < 3; ++i)
            put("WavFile" + std::to_string(i + 1), sound_->soundFile(i).toStdString());
        put("rotate", flag(setup_->invertBoard()));
        put("HighlightMove", flag(setup_->highlightMove()));
        put("AnimateMoves", flag(setup_->animateMoves()));
        put("HideMoveList", flag(setup_->hideMoveList()));
        put("ShowComments", flag(setup_->showComments()));
        put("PaceByClock", setup_->paceByClock());
        put("style", std::to_string(setup_->style()));
        put("FontName", setup_->fontName().toStdString());
        put("FontSize", setup_->fontSizeText().toStdString());
        // A filter that shows no game leaves the stored file and match as they
        // were: a match of no games would leave nothing to play.
        if (!import_->filterHidesEveryGame()) {
            put("PGNFile", import_->currentFile().toStdString());
            writeMatchList();
        }
        batch.commit();
    } catch (const SettingsError& error) {
        dialogs_.message(std::string("The settings could not be saved:\r\n") + error.what(), MsgIcon::Critical);
        return;
    }
    // The store runs in memory when its file cannot be used: say so once rather
    // than let the user believe the choices are kept.
    if (!store_.isPersistent() && !warnedNotKept_) {
        warnedNotKept_ = true;
        dialogs_.message("The settings file " + store_.path() +
                             " cannot be used, so these settings last only until the program ends.",
                         MsgIcon::Exclamation);
    }
}

// No pair of a longer earlier list may stay behind. Pairs that the new list writes
// again are overwritten rather than deleted first: the store ends the same, in
// half the writes, which matters for files of hundreds of thousands of games.
void FrmSettings::writeMatchList()
{
    const auto& games = import_->games();
    ProgressBox progress(this, QStringLiteral("Storing the match list"));
    const double stored = numericValue(config_.get("NumOfGames", "1"));
    const auto previous = stored > 0 ? static_cast<std::int64_t>(stored) : 0;
    for (auto n = static_cast<std::int64_t>(games.size()) + 1; n <= previous; ++n) {
        for (const char* key : {"MatchBegin", "MatchEnd"}) {
            try {
                config_.remove(key + std::to_string(n));
            } catch (const SettingsError&) {
            }
        }
    }
    for (std::size_t i = 0; i < games.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        saveQuietly("MatchBegin" + n, std::to_string(games[i].begin));
        saveQuietly("MatchEnd" + n, std::to_string(games[i].end));
        progress.step(static_cast<qint64>(i), static_cast<qint64>(games.size()));
    }
    saveQuietly("NumOfGames", std::to_string(games.size()));
    saveQuietly("FirstGame", std::to_string(import_->selectedEntry() + 1));
}

// A value the store refuses is skipped; Apply goes on with the next.
void FrmSettings::saveQuietly(const std::string& key, const std::string& value)
{
    try {
        config_.save(key, value);
    } catch (const SettingsError&) {
    }
}

void FrmSettings::CmdOk_Click()
{
    CmdApply_Click();
    close();
}

void FrmSettings::Command8_Click()
{
    close();
}

void FrmSettings::Command6_Click()
{
    const auto& games = import_->games();
    const int entry = import_->selectedEntry();
    if (games.empty() || entry < 0) {
        dialogs_.message("No games to edit. Please select \"New Game\" or \"PGN import\"", MsgIcon::Critical);
        return;
    }
    switch (entry_->loadGame(import_->currentFile(), games[static_cast<std::size_t>(entry)], import_->listedStamp())) {
    case GameEntryTab::LoadResult::Loaded:
        selectTab(GameEntryPage);
        break;
    case GameEntryTab::LoadResult::Unreadable:
        break;
    case GameEntryTab::LoadResult::FileChanged:
        dialogs_.message("The PGN file has changed since its games were listed. They are listed again now; "
                         "please choose the game again.",
                         MsgIcon::Critical);
        import_->rescan();
        break;
    }
}

void FrmSettings::Command7_Click()
{
    if (entry_->startNewGame(import_->currentFile()))
        selectTab(GameEntryPage);
}

void FrmSettings::lblURL_Click(const QString& address)
{
    services_.openUrl(address);
}

bool FrmSettings::Form_QueryUnload()
{
    if (entry_->isGameSaved())
        return true;
    selectTab(PgnImportPage);
    // Yes throws the game away, so a hasty Return must not be the one to do it.
    return dialogs_.message("The game is not saved, are you sure you  want to cancel it ?", MsgIcon::Question,
                            MsgButtons::YesNoDefaultNo) == MsgAnswer::Yes;
}

void FrmSettings::closeEvent(QCloseEvent* event)
{
    if (!Form_QueryUnload()) {
        event->ignore();
        return;
    }
    event->accept();
    setResult(QDialog::Rejected);
    emit closed();
}

// Escape closes like the window's close box, through the same guard.
void FrmSettings::reject()
{
    close();
}

} // namespace morvane
