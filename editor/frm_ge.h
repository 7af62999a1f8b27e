#pragma once
// "Graphical Entry", the game editor: moves are entered by dragging pieces on
// the board `GE`, written in SAN into White's and Black's move lists, and can
// be undone and stepped through. A game handed in as move lines is replayed
// onto the board first; OK hands the lists back as move lines.

#include <QDialog>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "board_model.h"
#include "dialogs.h"
#include "editor_decoder_host.h"
#include "encoder_host.h"
#include "move_decoder.h"
#include "move_encoder.h"
#include "position_history.h"

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QScrollBar;
class QTimer;

namespace quill {
class Varnel;
}

namespace morvane {

class Config;

struct EditorServices {
    // Where `style` is read when the form loads; none reads as "0".
    const Config* config = nullptr;
    // Plays a move sound (kind 1 move); empty: silent.
    std::function<void(int kind)> playMoveSound;
    // Asks which piece a pawn of `side` becomes; empty: the promotion dialog.
    std::function<quill::PieceNum(int side)> promote;
};

class FrmGE : public QDialog, private EncoderHost {
    Q_OBJECT

public:
    static constexpr int kViewRows = 16;
    // CmdNavigate indexes.
    enum Navigate { First = 0, Previous = 1, Next = 2, Last = 3 };

    explicit FrmGE(Dialogs& dialogs, EditorServices services = {}, QWidget* parent = nullptr);
    ~FrmGE() override;

    // Opens the editor modally on `moveLines` (the settings dialog's move
    // lines) and returns the edited game as move lines after OK, or nothing
    // after Cancel.
    static std::optional<std::vector<std::string>> editGame(const std::vector<std::string>& moveLines, Dialogs& dialogs,
                                                            EditorServices services = {}, QWidget* parent = nullptr,
                                                            const GameStart& start = {});
    // The position games start from (a FEN's; by default the initial one),
    // its side to move and first move number. Takes effect with the next
    // loadMoveLines or New Game.
    void setStart(const GameStart& start);

    // Fills the move lists from move lines and starts replaying them onto the board.
    void loadMoveLines(const std::vector<std::string>& moveLines);
    bool isLoading() const;
    // Runs the replay of a loaded game to its end at once.
    void finishLoading();
    // The move lines OK handed back (empty before OK).
    const std::vector<std::string>& moveLines() const { return moveLines_; }

    quill::Varnel& board() const { return *GE; }

    // Handlers
    void GE_PieceDrop(qint16 fromCol, qint16 fromRow, qint16 toCol, qint16 toRow, qint32 oldpiece, qint32 newpiece,
                      bool isLegalMove);
    void Display(int position);
    void Updatelist();
    void UpdateDoubleList();
    void SelectDoubleListItem(int halfMove);
    void lblWhiteList_Click(int index);
    void lblBlackList_Click(int index);
    void List1_Click();
    void List2_Click();
    void CmdNavigate_Click(int index);
    void ListScroll_Change(int value);
    void Undo_Click();
    void Command1_Click();
    void OK_Click();
    void Command2_Click();
    void Timer2_Timer();

    // Cancel, Esc and the close box: asks first when the moves were changed.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // EncoderHost
    void illegalMoveWarning() override;
    void cantCastle() override;
    quill::PieceNum Promote(int side) override;

    void createControls();
    // The start on the board; when Black moves first, White's first field is
    // kept empty and the editor starts at half-move 1.
    void setUpBoard();
    void holdBlackFirst();
    int firstMove() const { return start_.firstMove; }
    int firstPosition() const { return start_.sideToMove == 2 ? 1 : 0; }
    // The position before the set-up's last double step, for an en passant
    // capture as the first move; null when the set-up names no such square.
    const Snapshot* setUpTwoBack(int position, Snapshot& scratch) const;
    void Form_Load();
    void applyBoardStyle(const std::string& style);
    void labelClicked(bool white, int index);
    void resetLabelColours();
    void updateScrollRange();
    // The board widget follows the editor's model, square by square.
    void pullBoard();
    void pushBoard();
    DecodeResult ExtractMoveGE(const std::string& move, int side);
    void stopLoading(int whiteMoves, int blackMoves);
    void endLoading();
    void setEditing(bool on);
    void cutLists(int whiteMoves, int blackMoves);
    bool hasCastled(const QListWidget* list, int moves) const;
    int totalMoves() const;
    // The lists as the move lines OK hands back.
    std::vector<std::string> listedMoveLines() const;

    Dialogs& dialogs_;
    EditorServices services_;

    quill::Varnel* GE = nullptr;
    QListWidget* List1 = nullptr;
    QListWidget* List2 = nullptr;
    QWidget* PicList = nullptr;
    std::array<QLabel*, kViewRows + 1> lblWhiteList{}; // 1..16
    std::array<QLabel*, kViewRows + 1> lblBlackList{};
    QScrollBar* ListScroll = nullptr;
    std::array<QPushButton*, 4> CmdNavigate{};
    QPushButton* Undo = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* OK = nullptr;
    QPushButton* Command2 = nullptr;
    QTimer* Timer2 = nullptr;
    QWidget* Picture1 = nullptr;
    QProgressBar* Picture2 = nullptr;

    // The game's position as the editor's rules see it; GE shows it.
    quill::BoardModel model_;
    EditorDecoderHost decoderHost_;
    MoveDecoder decoder_;
    MoveEncoder encoder_;
    PositionHistory history_;

    GameStart start_;
    int sideToMove_ = 2;
    int currentPosition_ = 0;
    int lastPosition_ = 0;
    int viewTop_ = 0;
    int selectedHalfMove_ = 0;
    int loadCursor_ = 0;
    std::vector<std::string> moveLines_;
    std::vector<std::string> openedWith_;
};

} // namespace morvane
