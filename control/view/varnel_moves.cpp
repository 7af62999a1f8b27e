// The control's showing of moves: the last move's squares, a king in check, and
// pieces sliding to their squares.

#include <QPainter>
#include <QTimer>

#include "board_canvas.h"
#include "board_model.h"
#include <quillboard/varnel.h>

namespace quill {

namespace {

const QColor kMoveTint(255, 214, 0, 110);
const QColor kCheckTint(230, 30, 30, 150);
constexpr int kFrameMs = 25;
constexpr QPointF kModernOffset{6, 6};

// Slow at both ends, so a slide starts and lands gently.
double eased(double t)
{
    return t * t * (3 - 2 * t);
}

} // namespace

void Varnel::setHighlightMove(bool on)
{
    highlightMove_ = on;
    markMove();
}

void Varnel::setAnimateMoves(bool on)
{
    animateMoves_ = on;
    if (!on)
        finishAnimation();
}

void Varnel::setAnimationTime(std::int32_t milliseconds)
{
    animationMs_ = std::max(milliseconds, 0);
}

void Varnel::ShowMove()
{
    Position now{};
    for (int s = 1; s <= 64; ++s)
        now[s] = model_->codeAt(s);
    if (now == shown_)
        return;
    finishAnimation();
    show_ = showMove(shown_, now);
    shown_ = now;
    markMove();
    if (!animateMoves_ || show_.slides.empty() || animationMs_ <= 0 || !isVisible())
        return;
    for (const MoveShow::Slide& slide : show_.slides)
        canvas_->hidePiece(slide.to, true);
    progress_ = paintedProgress_ = 0;
    animationClock_.start();
    if (!animationTimer_) {
        animationTimer_ = new QTimer(this);
        connect(animationTimer_, &QTimer::timeout, this, &Varnel::animationStep);
    }
    animationTimer_->start(kFrameMs);
    updateSlides();
}

void Varnel::SettlePosition()
{
    finishAnimation();
    for (int s = 1; s <= 64; ++s)
        shown_[s] = model_->codeAt(s);
    show_ = {};
    markMove();
}

// Tints the move's squares and a checked king's; the whole board is drawn
// again, once a move.
void Varnel::markMove()
{
    canvas_->clearTints();
    if (highlightMove_ && show_.from != 0) {
        canvas_->tintSquare(show_.from, kMoveTint);
        canvas_->tintSquare(show_.to, kMoveTint);
    }
    if (highlightMove_ && show_.from != 0) {
        for (const PieceNum king : {wking, Bking}) {
            bool checked = false;
            try {
                checked = model_->IsKingChecked(king);
            } catch (const ControlError&) {
                // No such king on the board: nothing to mark.
            }
            for (int s = 1; checked && s <= 64; ++s)
                if (model_->codeAt(s) == king)
                    canvas_->tintSquare(s, kCheckTint);
        }
    }
    update();
}

void Varnel::animationStep()
{
    progress_ = std::min(1.0, static_cast<double>(animationClock_.elapsed()) / animationMs_);
    if (progress_ >= 1) {
        finishAnimation();
        return;
    }
    updateSlides();
}

void Varnel::finishAnimation()
{
    if (animationTimer_)
        animationTimer_->stop();
    for (const MoveShow::Slide& slide : show_.slides)
        canvas_->hidePiece(slide.to, false);
    if (progress_ < 1) {
        progress_ = 1;
        updateSlides();
    }
}

QRectF Varnel::slideRect(const MoveShow::Slide& slide, double progress) const
{
    const QRectF from = layout_.squareRect(slide.from);
    const QRectF to = layout_.squareRect(slide.to);
    const double t = eased(progress);
    return {from.topLeft() + (to.topLeft() - from.topLeft()) * t, from.size()};
}

// The squares the pieces leave and reach, and the taken pieces' squares.
void Varnel::updateSlides()
{
    const double scale = zoom();
    const auto toPixels = [scale](const QRectF& r) {
        return QRectF(r.topLeft() * scale, r.size() * scale).toAlignedRect().adjusted(-1, -1, 1, 1);
    };
    for (const MoveShow::Slide& slide : show_.slides)
        update(toPixels(slideRect(slide, paintedProgress_)).united(toPixels(slideRect(slide, progress_))));
    for (const MoveShow::Taken& taken : show_.taken)
        update(toPixels(layout_.squareRect(taken.square)));
    paintedProgress_ = progress_;
}

void Varnel::paintSlides(QPainter& painter) const
{
    if (progress_ >= 1)
        return;
    const QPointF offset = boardStyle_ == Modern ? kModernOffset : QPointF(0, 0);
    painter.save();
    painter.setOpacity(1 - progress_);
    for (const MoveShow::Taken& taken : show_.taken)
        if (ImageSet::isElement(taken.code))
            images_.at(taken.code).paint(painter, layout_.squareRect(taken.square).topLeft() + offset);
    painter.restore();
    for (const MoveShow::Slide& slide : show_.slides)
        if (ImageSet::isElement(slide.code))
            images_.at(slide.code).paint(painter, slideRect(slide, progress_).topLeft() + offset);
}

} // namespace quill
