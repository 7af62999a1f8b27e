#pragma once
// The "Game Entry" tab: the tags and moves of one game, typed line by line or
// entered on the game editor's board, and the writer that puts the game back into
// its PGN file (replacing the game it was loaded from, or appended as a new one).

#include <QWidget>

#include <string>
#include <vector>

#include "fen.h"
#include "file_io.h"
#include "game_editor_launcher.h"
#include "game_index.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace morvane {

class Dialogs;

class GameEntryTab : public QWidget {
    Q_OBJECT
public:
    GameEntryTab(Dialogs& dialogs, QString appPath, GameEditorLauncher editor, QWidget* parent = nullptr);

    enum class LoadResult { Loaded, Unreadable, FileChanged };
    // Edit Game: game `span` of `pgnFile`, with the file's text around it kept for
    // saving. `listed` is the file as it was when `span` was found.
    LoadResult loadGame(const QString& pgnFile, const GameSpan& span, const FileStamp& listed);
    // New Game: a game to be appended to `pgnFile` (may be empty: the file is chosen on saving).
    bool startNewGame(const QString& pgnFile);

    void New_Click();
    void Update_Click();
    void List2_Click();
    void Command14_Click();
    void Save_Click();
    void SaveAs_Click();
    // Writes the game into `fileName` (trimmed in place); true when written.
    bool DoSave(QString& fileName);
    static bool CheckMove(const QString& movement) { return !movement.isEmpty(); }

    // The game editor's OK: its move lines replace the listed ones.
    void takeEditorMoves(const std::vector<std::string>& moveLines);

    bool isGameSaved() const { return gameSaved_; }
    // Where the game starts: its FEN, or the initial position.
    const GameStart& startPosition() const { return start_; }

signals:
    // A save replaced or created this file.
    void fileWritten(const QString& path);
    // A save was refused: another program changed this file since it was read.
    void fileChangedElsewhere(const QString& path);

private:
    QWidget* buildTags();
    QWidget* buildMoves();
    void rebuildMoveText();
    std::vector<std::string> moveLines() const;
    // Refuses, with a message naming it, a field that cannot be written as typed.
    bool writable(const char* caption, const QString& text);
    std::string encoded(const QString& text) const;
    void markChanged();
    void showMoveNumber();
    void setTarget(const QString& path);
    bool changedSinceRead(const QString& fileName);

    Dialogs& dialogs_;
    QString appPath_;
    GameEditorLauncher editor_;

    QString moveText_; // every listed move line followed by CR LF
    bool gameSaved_ = true;
    int moveNumber_ = 1;
    std::string textBefore_;
    std::string textAfter_;
    // The file TextBefore and TextAfter were read from, and what it held then.
    QString sourceFile_;
    FileStamp sourceStamp_;
    std::string resultTag_;
    std::string setUpTags_; // SetUp, FEN and Variant tag lines, written back on saving
    GameStart start_;
    bool latin1File_ = false; // the surrounding text is not UTF-8: write fields the same way

    QLineEdit* EventNM_ = nullptr;
    QLineEdit* Site_ = nullptr;
    QLineEdit* DateNM_ = nullptr;
    QLineEdit* White_ = nullptr;
    QLineEdit* Black_ = nullptr;
    QComboBox* cmbResult_ = nullptr;
    QListWidget* List2_ = nullptr;
    QLabel* MoveNum_ = nullptr;
    QLineEdit* WhiteMove_ = nullptr;
    QLineEdit* BlackMove_ = nullptr;
    QPushButton* New_ = nullptr;
    QPushButton* Update_ = nullptr;
    QPushButton* Command14_ = nullptr;
    QPushButton* Save_ = nullptr;
    QPushButton* SaveAs_ = nullptr;
    QPushButton* Command15_ = nullptr;
    QLabel* FileName2_ = nullptr;
};

} // namespace morvane
