// The two-column view of the move lists, and stepping through the game.

#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "frm_ge.h"

namespace morvane {

namespace {

void setColours(QLabel* label, QPalette::ColorRole background, QPalette::ColorRole text)
{
    QPalette palette = label->palette();
    const QPalette system;
    palette.setColor(QPalette::Window, system.color(background));
    palette.setColor(QPalette::WindowText, system.color(text));
    label->setPalette(palette);
}

} // namespace

bool FrmGE::eventFilter(QObject* watched, QEvent* event)
{
    // A disabled label takes no clicks, whatever route the mouse event took.
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QWidget*>(watched)->isEnabled()) {
        for (int i = 1; i <= kViewRows; ++i) {
            if (watched == lblWhiteList[static_cast<std::size_t>(i)]) {
                lblWhiteList_Click(i);
                return true;
            }
            if (watched == lblBlackList[static_cast<std::size_t>(i)]) {
                lblBlackList_Click(i);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FrmGE::resetLabelColours()
{
    for (int i = 1; i <= kViewRows; ++i) {
        setColours(lblWhiteList[static_cast<std::size_t>(i)], QPalette::HighlightedText, QPalette::ButtonText);
        setColours(lblBlackList[static_cast<std::size_t>(i)], QPalette::HighlightedText, QPalette::ButtonText);
    }
}

void FrmGE::updateScrollRange()
{
    // The view can scroll until the last move number is its last row.
    const QSignalBlocker blocker(ListScroll);
    ListScroll->setRange(0, std::max(0, List1->count() - kViewRows));
    viewTop_ = ListScroll->value();
}

void FrmGE::UpdateDoubleList()
{
    updateScrollRange();
    resetLabelColours();
    for (int i = 1; i <= kViewRows; ++i) {
        const int index = viewTop_ + i - 1;
        lblWhiteList[static_cast<std::size_t>(i)]->setText(index < List1->count() ? List1->item(index)->text()
                                                                                  : QString());
        lblBlackList[static_cast<std::size_t>(i)]->setText(index < List2->count() ? List2->item(index)->text()
                                                                                  : QString());
    }
}

void FrmGE::ListScroll_Change(int value)
{
    viewTop_ = value;
    UpdateDoubleList();
    Picture1->setFocus();
}

void FrmGE::SelectDoubleListItem(int halfMove)
{
    const int row = (halfMove + 1) / 2;
    if (row <= viewTop_)
        ListScroll->setValue(row - 1);
    else if (row > viewTop_ + kViewRows)
        ListScroll->setValue(row - kViewRows);
    labelClicked(halfMove % 2 == 1, row - viewTop_);
}

void FrmGE::lblWhiteList_Click(int index)
{
    labelClicked(true, index);
}

void FrmGE::lblBlackList_Click(int index)
{
    labelClicked(false, index);
}

void FrmGE::labelClicked(bool white, int index)
{
    if (index < 1 || index > kViewRows)
        return;
    resetLabelColours();
    QLabel* label = (white ? lblWhiteList : lblBlackList)[static_cast<std::size_t>(index)];
    // An empty label stands for no move: there is no position to show.
    if (label->text().isEmpty())
        return;
    setColours(label, QPalette::Highlight, QPalette::HighlightedText);
    const int row = viewTop_ + index;
    QListWidget* list = white ? List1 : List2;
    list->setCurrentRow(row - 1);
    selectedHalfMove_ = white ? 2 * row - 1 : 2 * row;
    Display(selectedHalfMove_);
}

void FrmGE::List1_Click()
{
    const int index = List1->currentRow();
    if (index >= 0)
        Display(2 * (index + 1) - 1);
}

void FrmGE::List2_Click()
{
    const int index = List2->currentRow();
    if (index >= 0)
        Display(2 * (index + 1));
}

void FrmGE::CmdNavigate_Click(int index)
{
    const int total = totalMoves();
    switch (index) {
    case First:
        if (lblWhiteList[1]->text().isEmpty())
            return;
        selectedHalfMove_ = 1;
        CmdNavigate[Next]->setEnabled(total > 1);
        CmdNavigate[Previous]->setEnabled(false);
        break;
    case Previous:
        if (selectedHalfMove_ <= 1)
            return;
        --selectedHalfMove_;
        CmdNavigate[Next]->setEnabled(true);
        CmdNavigate[Previous]->setEnabled(selectedHalfMove_ > 1);
        break;
    case Next:
        if (selectedHalfMove_ >= total)
            return;
        ++selectedHalfMove_;
        CmdNavigate[Previous]->setEnabled(true);
        CmdNavigate[Next]->setEnabled(selectedHalfMove_ < total);
        break;
    case Last:
        if (total == 0)
            return;
        selectedHalfMove_ = total;
        CmdNavigate[Previous]->setEnabled(total > 1);
        CmdNavigate[Next]->setEnabled(false);
        break;
    default:
        return;
    }
    SelectDoubleListItem(selectedHalfMove_);
}

} // namespace morvane
