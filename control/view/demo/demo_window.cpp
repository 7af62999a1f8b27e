#include "demo_window.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <quillboard/varnel.h>

namespace {
QString square(qint16 col, qint16 row)
{
    return QStringLiteral("(%1,%2)").arg(col).arg(row);
}
} // namespace

DemoWindow::DemoWindow(QWidget* parent)
    : QWidget(parent), board_(new quill::Varnel), log_(new QPlainTextEdit),
      dragButton_(new QPushButton(tr("Drag: off")))
{
    setWindowTitle(tr("Quillboard demo"));
    board_->setMinimumSize(196, 196);
    board_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    log_->setReadOnly(true);
    log_->setMaximumBlockCount(500);
    dragButton_->setCheckable(true);

    auto* newGame = new QPushButton(tr("New game"));
    auto* rotate = new QPushButton(tr("Rotate"));
    auto* style = new QPushButton(tr("Style"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {newGame, rotate, style, dragButton_})
        buttons->addWidget(button);

    auto* left = new QVBoxLayout;
    left->addWidget(board_, 1);
    left->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 3);
    layout->addWidget(log_, 2);

    connect(newGame, &QPushButton::clicked, board_, &quill::Varnel::NewGame);
    connect(rotate, &QPushButton::clicked, board_, &quill::Varnel::RotateBoard);
    connect(style, &QPushButton::clicked, this, &DemoWindow::toggleStyle);
    connect(dragButton_, &QPushButton::toggled, this, [this](bool on) {
        board_->setEnableDrag(on);
        dragButton_->setText(on ? tr("Drag: on") : tr("Drag: off"));
    });

    connect(board_, &quill::Varnel::Click, this,
            [this](qint16 col, qint16 row) { log(QStringLiteral("Click ") + square(col, row)); });
    connect(board_, &quill::Varnel::DblClick, this,
            [this](qint16 col, qint16 row) { log(QStringLiteral("DblClick ") + square(col, row)); });
    connect(board_, &quill::Varnel::MouseDown, this,
            [this](qint16 col, qint16 row, qint16 button, qint16 shift, float x, float y) {
                log(QStringLiteral("MouseDown %1 button %2 shift %3 at %4,%5")
                        .arg(square(col, row))
                        .arg(button)
                        .arg(shift)
                        .arg(x, 0, 'f', 1)
                        .arg(y, 0, 'f', 1));
            });
    connect(board_, &quill::Varnel::MouseUp, this, [this](qint16 col, qint16 row, qint16 button, qint16, float, float) {
        log(QStringLiteral("MouseUp %1 button %2").arg(square(col, row)).arg(button));
    });
    connect(board_, &quill::Varnel::PieceDrop, this,
            [this](qint16 fc, qint16 fr, qint16 tc, qint16 tr, qint32 oldPiece, qint32 newPiece, bool legal) {
                log(QStringLiteral("PieceDrop %1 -> %2, old %3, new %4, %5")
                        .arg(square(fc, fr), square(tc, tr))
                        .arg(oldPiece)
                        .arg(newPiece)
                        .arg(legal ? QStringLiteral("legal") : QStringLiteral("not legal")));
            });
    board_->NewGame();
}

void DemoWindow::setDragEnabled(bool on)
{
    dragButton_->setChecked(on);
}

void DemoWindow::log(const QString& line)
{
    log_->appendPlainText(line);
}

void DemoWindow::toggleStyle()
{
    board_->setBoardStyle(board_->BoardStyle() == quill::Modern ? quill::Classic : quill::Modern);
}
