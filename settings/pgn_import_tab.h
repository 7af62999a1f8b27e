#pragma once
// The "PGN Import" tab: the PGN file that is played, the games found in it, and
// the game played first.

#include <QWidget>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "file_io.h"
#include "game_index.h"

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace morvane {

class Config;
class Dialogs;
class MatchListModel;
class ShownMatchList;

class PgnImportTab : public QWidget {
    Q_OBJECT
public:
    PgnImportTab(Config& config, Dialogs& dialogs, QString appPath, QWidget* parent = nullptr);

    // The dialog's load: the stored file, else the default file, then the scan.
    void load();

    // Scans `fileName` (trimmed in place) and lists its games. A name that matches
    // no file changes nothing; a file with no game empties the list but keeps the count.
    void GetGames(QString& fileName);
    void Command9_Click();
    void List1_Click();

    const QString& currentFile() const { return currentFile_; }
    // The games shown (all of them, or those the filter keeps): what Apply stores.
    const std::vector<GameSpan>& games() const;
    // The listed file as it was scanned: the positions hold for these bytes only.
    const FileStamp& listedStamp() const { return listedStamp_; }
    int selectedEntry() const; // -1 when none
    // Games are listed but the filter shows none of them.
    bool filterHidesEveryGame() const;
    // Lists the current file again, keeping the selected entry where it still exists.
    void rescan();

signals:
    void applyAllowed(bool allowed);
    void editGameClicked();
    void newGameClicked();

private:
    void setCurrentFile(const QString& path);
    void filterChanged(const QString& typed);
    void showCount();
    void selectGame(int sourceRow);

    Config& config_;
    Dialogs& dialogs_;
    QString appPath_;
    QString currentFile_;
    FileStamp listedStamp_;
    MatchListModel* model_ = nullptr;
    ShownMatchList* shown_ = nullptr;
    QLineEdit* txtFilter_ = nullptr;

    QListView* List1_ = nullptr;
    QLabel* lblNumImported_ = nullptr;
    QLabel* Location_ = nullptr;
    QLabel* Match_ = nullptr;
    QPushButton* Command9_ = nullptr;
    QPushButton* Command6_ = nullptr;
    QPushButton* Command7_ = nullptr;
};

} // namespace morvane
