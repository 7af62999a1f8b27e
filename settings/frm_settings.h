#pragma once
// The settings dialog "Morvane 3.0 Settings": five tabs, and OK, Apply, Cancel.
// Nothing reaches the store before Apply or OK, except the folder of a PGN file
// just chosen; closing the dialog ends the program.

#include <QDialog>

#include <functional>
#include <memory>

#include "game_editor_launcher.h"
#include "settings_store.h"

class QPushButton;
class QTabWidget;

namespace morvane {

class AboutTab;
class Dialogs;
class GameEntryTab;
class PgnImportTab;
class SetupTab;
class SoundTab;

class FrmSettings : public QDialog {
    Q_OBJECT
public:
    enum Tab { SetupPage = 0, SoundPage = 1, PgnImportPage = 2, GameEntryPage = 3, AboutPage = 4 };

    // What the dialog reaches outside itself; empty functions get the program's own:
    // the game editor "Graphical Entry", the desktop's URL handler, QSoundEffect.
    struct Services {
        GameEditorLauncher editGame;
        std::function<void(const QString& address)> openUrl;
        std::function<void(const QString& wavFile)> playSound;
        // The program's move sounds (kind 1 move), which the game editor plays for a
        // promotion; empty: the editor is silent.
        std::function<void(int kind)> playMoveSound;
    };

    // `appPath` is the data folder, ending in a separator. The store is read at once.
    FrmSettings(SettingsStore& store, Dialogs& dialogs, QString appPath, Services services = {},
                QWidget* parent = nullptr);
    ~FrmSettings() override;

    void selectTab(Tab tab);
    int currentTab() const;

    void CmdApply_Click();
    void CmdOk_Click();
    void Command8_Click();
    void Command6_Click();
    void Command7_Click();
    void lblURL_Click(const QString& address);

signals:
    // The dialog closed for good: the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void Form_Load();
    // The close guard: true when the dialog may close.
    bool Form_QueryUnload();
    void writeMatchList();
    void saveQuietly(const std::string& key, const std::string& value);

    SettingsStore& store_;
    Config config_;
    Dialogs& dialogs_;
    QString appPath_;
    Services services_;
    std::unique_ptr<QObject> soundPlayer_;
    bool warnedNotKept_ = false;

    QTabWidget* SSTab1_ = nullptr;
    SetupTab* setup_ = nullptr;
    SoundTab* sound_ = nullptr;
    PgnImportTab* import_ = nullptr;
    GameEntryTab* entry_ = nullptr;
    AboutTab* about_ = nullptr;
    QPushButton* CmdOk_ = nullptr;
    QPushButton* CmdApply_ = nullptr;
    QPushButton* Command8_ = nullptr;
};

} // namespace morvane
