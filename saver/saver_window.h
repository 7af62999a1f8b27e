#pragma once
// The Saver form: the board in its frame with the coordinates, the players'
// names above and below it, event, date, status line and the printed move list
// at the right edge; Timer1 and Timer2 drive the replay engine.
//
// Controls are found by their objectName: "Picture1", "Board", "Label1".."Label8",
// "Picture2", "Picture3", "lblTextSize", "List1", "lblCaption" (the comment on
// the move on the board, under the status line), and the timers "Timer1" and
// "Timer2". The coordinate labels of the control array Label(0..15) are named
// "Label(0)".."Label(15)" (files "a".."h", then ranks "1".."8"), so they never
// clash with Label1..Label8.

#include <QWidget>

#include <array>
#include <memory>
#include <string>

#include "board_model.h"
#include "replay_screen.h"
#include "run_mode.h"
#include "saver_layout.h"

class QLabel;
class QListWidget;

namespace quill {
class Varnel;
}

namespace morvane {

class BoardMirror;
class Dialogs;
class ModalPause;
class MoveListView;
class MoveSounds;
class ReplayEngine;
class ReplayTimer;
class SaverInput;
class SettingsAccess;

class SaverWindow : public QWidget, private ReplayScreen {
    Q_OBJECT
public:
    struct Services {
        SettingsAccess& settings;
        Dialogs& dialogs;
        MoveSounds* sounds = nullptr; // null: no sound at all
        std::string dataFolder;       // holds default.pgn; ends in a separator
    };

    // Creates the form and runs its load handler for a screen of `screenSize`
    // logical pixels. The form is neither shown nor given a game.
    SaverWindow(RunMode mode, QSize screenSize, Services services, QWidget* parent = nullptr);
    ~SaverWindow() override;

    // The game loader and the move timer's tick.
    void Timer2_Timer();
    void Timer1_Timer();
    // The rotation key: board and labels turn together.
    void rotate();
    // Shrinks the board for the preview window: Classic style, the preview
    // pieces, the frame pulled into the window's corner.
    void setUpPreview();
    void NewGame();

    // Lays the form out again whenever it is resized (XScreenSaver's window, an
    // ordinary window); otherwise the layout is the one of its first size.
    void setFollowsSize(bool on);
    // Nobody can answer for the replay (XScreenSaver's window): a game that
    // would end the program is skipped instead.
    void setKeepsPlaying(bool on) { keepsPlaying_ = on; }
    // A line on the status line (Label5).
    void showStatusLine(const std::string& text);

    const SaverLayout& layout() const { return layout_; }
    ReplayEngine& engine() { return *engine_; }

signals:
    // No playable game: the settings dialog should open.
    void settingsDialogRequested();
    // The screensaver ends: the program should end now.
    void endRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Load handler
    void Form_Load();
    void applyLayout(bool rotated);
    void end();
    void createControls();
    void placeControls();
    void applyBoardStyle(const std::string& style);
    QFont textFont() const;
    void place(QWidget* widget, const TwipRect& r);
    void placeCoordinates();
    // Label n shows its text shortened to its box where the box is too narrow.
    void showLabelText(int n);
    // Black's column for the game being played, and the headers over it.
    void fitMoveListColumns();

    // ReplayScreen
    void setLabel(ReplayLabel label, const std::string& text) override;
    std::string label(ReplayLabel label) const override;
    void clearMoveList() override;
    void printWhiteMove(std::int32_t moveNumber, std::string_view san) override;
    void printBlackMove(std::string_view san) override;
    void setTimer1Enabled(bool on) override;
    void setTimer2Enabled(bool on) override;
    void setTimer2Interval(std::int32_t milliseconds) override;
    void setTimer1Interval(std::int32_t milliseconds) override;
    void showCaption(const std::string& text) override;
    void fitCaption();
    void showCursor() override;
    void hideSaver() override;
    void unloadSaver() override;
    void showSettingsDialog() override;
    void endProgram() override;

    RunMode mode_;
    QSize screenSize_;
    Services services_;
    SaverLayout layout_;

    QWidget* Picture1 = nullptr;
    quill::Varnel* Board = nullptr;
    std::array<QLabel*, SaverLayout::kLabels> labels_{}; // Label1..Label8 at 1..8
    std::array<QString, SaverLayout::kLabels> texts_{};  // their whole texts
    std::array<QLabel*, SaverLayout::kCoordinates> Label{};
    MoveListView* Picture2 = nullptr;
    QWidget* Picture3 = nullptr;
    QLabel* lblTextSize = nullptr;
    QListWidget* List1 = nullptr;
    QLabel* lblCaption = nullptr;
    QString caption_; // the whole comment; the label shows what fits
    ReplayTimer* Timer1 = nullptr;
    ReplayTimer* Timer2 = nullptr;

    quill::BoardModel model_;
    std::unique_ptr<BoardMirror> mirror_;
    std::unique_ptr<ModalPause> modalPause_; // the engine's message boxes stop the replay timers
    std::unique_ptr<ReplayEngine> engine_;
    SaverInput* input_ = nullptr;
    bool followsSize_ = false;
    bool keepsPlaying_ = false;
    bool reportsLayout_ = false;
};

} // namespace morvane
