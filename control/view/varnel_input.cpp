// The control's input: square reports turned into events, drag and drop, and the
// widget's mouse handling that produces the square reports.

#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>

#include "board_model.h"
#include <quillboard/varnel.h>

namespace quill {

namespace {

// Drags carry the address of the board they started on, so a board accepts only its own.
constexpr const char* kDragMimeType = "application/x-quillboard-drag";

std::int16_t buttonCode(Qt::MouseButtons buttons)
{
    std::int16_t code = 0;
    if (buttons & Qt::LeftButton)
        code |= Varnel::kLeftButton;
    if (buttons & Qt::RightButton)
        code |= Varnel::kRightButton;
    if (buttons & Qt::MiddleButton)
        code |= Varnel::kMiddleButton;
    return code;
}

std::int16_t shiftCode(Qt::KeyboardModifiers modifiers)
{
    std::int16_t code = 0;
    if (modifiers & Qt::ShiftModifier)
        code |= Varnel::kShiftMask;
    if (modifiers & Qt::ControlModifier)
        code |= Varnel::kCtrlMask;
    if (modifiers & Qt::AltModifier)
        code |= Varnel::kAltMask;
    return code;
}

QByteArray dragToken(const Varnel* board)
{
    return QByteArray::number(reinterpret_cast<quintptr>(board));
}

qint16 col16(int index)
{
    return static_cast<qint16>(colOfIndex(index));
}
qint16 row16(int index)
{
    return static_cast<qint16>(rowOfIndex(index));
}

} // namespace

bool Varnel::acceptsInput() const
{
    return isEnabled();
}

void Varnel::checkSquare(int square) const
{
    if (square < 1 || square > 64)
        throw ControlError(error::InvalidSquare, error::InvalidSquareText);
}

// ---- Square reports

void Varnel::reportPress(int square, std::int16_t button, std::int16_t shift, QPointF at)
{
    checkSquare(square);
    if (!acceptsInput())
        return;
    if (!enableDrag_) {
        emit MouseDown(col16(square), row16(square), button, shift, static_cast<float>(at.x()),
                       static_cast<float>(at.y()));
        return;
    }
    const PieceNum code = model_->codeAt(square);
    if (code == None)
        return;
    // A new drag simply replaces one that never ended.
    dragging_ = true;
    dragIcon_ = ImageSet::isElement(code) ? images_.at(code) : quill::Picture();
    dragSource_ = square;
    dragCode_ = code;
}

void Varnel::reportMove(int square, std::int16_t button, std::int16_t shift, QPointF at)
{
    checkSquare(square);
    if (acceptsInput())
        emit MouseMove(col16(square), row16(square), button, shift, static_cast<float>(at.x()),
                       static_cast<float>(at.y()));
}

void Varnel::reportRelease(int square, std::int16_t button, std::int16_t shift, QPointF at)
{
    checkSquare(square);
    if (acceptsInput())
        emit MouseUp(col16(square), row16(square), button, shift, static_cast<float>(at.x()),
                     static_cast<float>(at.y()));
}

void Varnel::reportClick(int square)
{
    checkSquare(square);
    if (acceptsInput())
        emit Click(col16(square), row16(square));
}

void Varnel::reportDoubleClick(int square)
{
    checkSquare(square);
    if (acceptsInput())
        emit DblClick(col16(square), row16(square));
}

void Varnel::reportDragAbandoned()
{
    dragging_ = false;
    dragIcon_ = {};
    dragSource_ = 0;
    dragCode_ = None;
}

void Varnel::reportDrop(int target)
{
    checkSquare(target);
    if (!dragging_)
        return; // the drag did not start on this board
    if (!acceptsInput()) {
        reportDragAbandoned();
        return;
    }
    const int source = dragSource_;
    const PieceNum dragged = dragCode_;
    const PieceNum oldPiece = model_->codeAt(target);
    const PieceNum newPiece = model_->codeAt(source);
    // Judged on the board as it was, before the drop changes it.
    const bool legal = model_->IsLegalMove(col16(source), row16(source), col16(target), row16(target));
    reportDragAbandoned();
    if (target == source || dragStyle_ == DragNothing)
        return;
    model_->SetSquare(dragged, target);
    if (dragStyle_ == DragMove)
        model_->SetSquare(None, source);
    undrawable_ = false; // a dropped code without a picture just leaves its square plain
    emit PieceDrop(col16(source), row16(source), col16(target), row16(target), oldPiece, newPiece, legal);
}

// ---- Mouse and platform drag and drop

int Varnel::squareAtPixel(const QPointF& pixel) const
{
    const double scale = zoom();
    return scale > 0 ? layout_.squareAt(pixel / scale) : 0;
}

QPointF Varnel::unitsInSquare(int index, const QPointF& pixel) const
{
    return pixel / zoom() - layout_.squareRect(index).topLeft();
}

void Varnel::mousePressEvent(QMouseEvent* event)
{
    const int square = squareAtPixel(event->position());
    if (square == 0)
        return;
    // Like a square view, the pressed square keeps the mouse until every button is up.
    pressedSquare_ = square;
    clickAllowed_ = true;
    pressSquare(square, event);
}

void Varnel::pressSquare(int square, QMouseEvent* event)
{
    reportPress(square, buttonCode(event->button()), shiftCode(event->modifiers()),
                unitsInSquare(square, event->position()));
    if (dragging_ && dragSource_ == square && enableDrag_ && event->button() == Qt::LeftButton)
        runPlatformDrag();
}

void Varnel::mouseMoveEvent(QMouseEvent* event)
{
    const int square =
        pressedSquare_ != 0 && event->buttons() != Qt::NoButton ? pressedSquare_ : squareAtPixel(event->position());
    if (square == 0)
        return;
    reportMove(square, buttonCode(event->buttons()), shiftCode(event->modifiers()),
               unitsInSquare(square, event->position()));
}

void Varnel::mouseReleaseEvent(QMouseEvent* event)
{
    if (dragging_) {
        // Only drags with another button than the left one get here: they drop on release.
        dropUnderPointer(event->position());
        pressedSquare_ = 0;
        return;
    }
    const int under = squareAtPixel(event->position());
    const int square = pressedSquare_ != 0 ? pressedSquare_ : under;
    if (square == 0)
        return;
    reportRelease(square, buttonCode(event->button()), shiftCode(event->modifiers()),
                  unitsInSquare(square, event->position()));
    if (clickAllowed_ && under == pressedSquare_)
        reportClick(square);
    if (event->buttons() == Qt::NoButton) {
        pressedSquare_ = 0;
        clickAllowed_ = false;
    }
}

void Varnel::mouseDoubleClickEvent(QMouseEvent* event)
{
    const int square = squareAtPixel(event->position());
    if (square == 0)
        return;
    pressedSquare_ = square;
    clickAllowed_ = false; // the release that follows a double-click is no click
    reportDoubleClick(square);
    // The window system delivers a quick second press as this event alone; it must
    // still pick the piece up, or a user who clicks and then drags moves nothing.
    if (enableDrag_)
        pressSquare(square, event);
}

void Varnel::dropUnderPointer(const QPointF& pixel)
{
    const int target = squareAtPixel(pixel);
    if (target != 0)
        reportDrop(target);
    else
        reportDragAbandoned();
}

void Varnel::runPlatformDrag()
{
    auto* mime = new QMimeData;
    mime->setData(QLatin1String(kDragMimeType), dragToken(this));
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    const QPixmap icon = dragIcon_.toPixmap(zoom(), devicePixelRatioF());
    if (!icon.isNull()) {
        drag->setPixmap(icon);
        drag->setHotSpot(QPoint(qRound(icon.deviceIndependentSize().width() / 2),
                                qRound(icon.deviceIndependentSize().height() / 2)));
    }
    // The platform's drag consumes the release: no MouseUp and no Click for this press.
    pressedSquare_ = 0;
    clickAllowed_ = false;
    const QPointer<Varnel> self(this);
    drag->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
    // Whatever ended the drag off this board's squares leaves no drag behind.
    if (self && self->dragging_)
        self->reportDragAbandoned();
}

void Varnel::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->data(QLatin1String(kDragMimeType)) == dragToken(this))
        event->acceptProposedAction();
}

void Varnel::dragMoveEvent(QDragMoveEvent* event)
{
    if (event->mimeData()->data(QLatin1String(kDragMimeType)) == dragToken(this) &&
        squareAtPixel(event->position()) != 0)
        event->acceptProposedAction();
    else
        event->ignore();
}

void Varnel::dropEvent(QDropEvent* event)
{
    if (event->mimeData()->data(QLatin1String(kDragMimeType)) != dragToken(this))
        return;
    event->acceptProposedAction();
    dropUnderPointer(event->position());
}

} // namespace quill
