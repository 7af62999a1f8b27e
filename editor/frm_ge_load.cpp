// Replaying a game handed in as move lines onto the editor's board, through the
// editor's twin of the replay decoder.

#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "frm_ge.h"
#include "move_list.h"
#include <quillboard/varnel.h>

namespace morvane {

namespace {

std::string sanOf(const QListWidgetItem* item)
{
    const QString text = item->text();
    return text.mid(text.indexOf(QLatin1Char('.')) + 1).trimmed().toLatin1().toStdString();
}

QString item(int number, const std::string& san)
{
    return QStringLiteral("%1. %2").arg(number).arg(
        QString::fromLatin1(san.data(), static_cast<qsizetype>(san.size())));
}

} // namespace

void FrmGE::loadMoveLines(const std::vector<std::string>& moveLines)
{
    Command1_Click();
    // The first line brings White's empty field itself.
    if (!moveLines.empty() && firstPosition() == 1)
        List1->clear();
    for (std::size_t i = 0; i < moveLines.size(); ++i) {
        // The shared reader splits the fields, so a move longer than its field stays whole.
        const MoveFields fields = moveFields(moveLines[i]);
        const int number = static_cast<int>(i) + firstMove();
        List1->addItem(item(number, fields.white));
        // A result marker in Black's field ends the game: it is no move.
        const std::string black = isTerminationMarker(fields.black) ? std::string() : fields.black;
        // An empty Black field keeps its item, or every later Black move would move
        // up a line; only the last line's is left out, so that Black is to move.
        if (!black.empty() || i + 1 < moveLines.size())
            List2->addItem(item(number, black));
    }
    loadCursor_ = 0;
    UpdateDoubleList();
    openedWith_ = listedMoveLines();
    if (List1->count() > 0) {
        setEditing(false);
        Timer2->start();
    }
}

bool FrmGE::isLoading() const
{
    return Timer2->isActive();
}

void FrmGE::finishLoading()
{
    while (isLoading())
        Timer2_Timer();
}

void FrmGE::setEditing(bool on)
{
    // While a game is replayed onto the board, nothing may change it or the history.
    GE->setEnabled(on);
    PicList->setEnabled(on);
    ListScroll->setEnabled(on);
    Undo->setEnabled(on && currentPosition_ > firstPosition());
    Command1->setEnabled(on);
    for (QPushButton* button : CmdNavigate)
        button->setEnabled(on && totalMoves() > 0);
}

DecodeResult FrmGE::ExtractMoveGE(const std::string& move, int side)
{
    decoder_.SideToMove = side;
    const DecodeResult result = decoder_.ExtractMove(move);
    pushBoard();
    return result;
}

void FrmGE::Timer2_Timer()
{
    if (loadCursor_ == 0 && !Picture2->isVisible()) {
        Picture2->setRange(0, List1->count());
        Picture2->setValue(0);
        Picture2->show();
    }
    if (loadCursor_ >= List1->count()) {
        endLoading();
        return;
    }
    const int cursor = loadCursor_;
    const std::string white = sanOf(List1->item(cursor));
    if (!white.empty() && ExtractMoveGE(white, 1) == DecodeResult::Invalid) {
        stopLoading(cursor, cursor);
        return;
    }
    history_.store(2 * cursor + 1, model_);
    if (cursor < List2->count()) {
        const std::string black = sanOf(List2->item(cursor));
        if (!black.empty() && ExtractMoveGE(black, 2) == DecodeResult::Invalid) {
            stopLoading(cursor + 1, cursor);
            return;
        }
        history_.store(2 * cursor + 2, model_);
    }
    ++loadCursor_;
    Picture2->setValue(loadCursor_);
}

void FrmGE::stopLoading(int whiteMoves, int blackMoves)
{
    // The moves before the one that cannot be read stay, and can be edited on.
    cutLists(whiteMoves, blackMoves);
    // The user was told; what is left is what the editor opened with.
    openedWith_ = listedMoveLines();
    loadCursor_ = List1->count();
    endLoading();
}

void FrmGE::endLoading()
{
    Timer2->stop();
    Picture2->hide();
    currentPosition_ = totalMoves();
    Updatelist();
    sideToMove_ = currentPosition_ % 2 == 0 ? 1 : 2;
    selectedHalfMove_ = currentPosition_;
    setEditing(true);
    CmdNavigate[Previous]->setEnabled(false);
    CmdNavigate[Next]->setEnabled(false);
    UpdateDoubleList();
    ListScroll->setValue(ListScroll->maximum());
}

} // namespace morvane
