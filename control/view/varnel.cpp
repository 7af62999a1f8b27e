#include <quillboard/varnel.h>

#include <QEvent>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "board_canvas.h"
#include "board_model.h"
#include <quillboard/property_bag.h>
#include <quillboard/version.h>

namespace quill {

// Carries the model's notices to the widget: a changed square is drawn again, a
// changed persisted property is passed on to the host.
class ModelLink : public BoardObserver {
public:
    explicit ModelLink(Varnel& board) : board_(board) {}
    void squareChanged(int index) override { board_.redrawSquare(index); }
    void propertyChanged(const char* name) override { emit board_.propertyChanged(QString::fromLatin1(name)); }

private:
    Varnel& board_;
};

namespace {

// The host runtime's numbers for a picture element that does not exist and for an
// impossible size.
constexpr std::int32_t kSubscriptOutOfRange = 9;
constexpr const char* kSubscriptOutOfRangeText = "Subscript out of range";
constexpr std::int32_t kInvalidPropertyValue = 380;
constexpr const char* kInvalidPropertyValueText = "Invalid property value";
constexpr QPointF kModernPieceOffset{6, 6}; // also where sliding pieces are drawn

Varnel::AboutPresenter& aboutPresenter()
{
    static Varnel::AboutPresenter presenter = [](QWidget* parent, const QString& title, const QString& text) {
        auto* box = new QMessageBox(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setModal(false);
        box->show();
    };
    return presenter;
}

QColor fromBgr(std::uint32_t color)
{
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

} // namespace

Varnel::Varnel(QWidget* parent)
    : QWidget(parent), model_(std::make_unique<BoardModel>()), link_(std::make_unique<ModelLink>(*this)),
      canvas_(std::make_unique<BoardCanvas>()), images_(ImageSet::modern())
{
    setAcceptDrops(true);
    setMouseTracking(true);
    resize(sizeHint());
    model_->setObserver(link_.get());
    for (int index = 1; index <= 64; ++index)
        model_->SetSquare(None, index);
}

Varnel::~Varnel()
{
    model_->setObserver(nullptr);
}

// ---- Position

void Varnel::NewGame()
{
    model_->NewGame();
}

void Varnel::Clear()
{
    model_->Clear();
}

PieceNum Varnel::piece(std::int16_t col, std::int16_t row) const
{
    return model_->piece(col, row);
}

void Varnel::setPiece(std::int16_t col, std::int16_t row, PieceNum code)
{
    undrawable_ = false;
    model_->setPiece(col, row, code);
    persistedPiece_ = model_->persistedPieceValue();
    throwIfUndrawable();
}

void Varnel::MovePiece(std::int16_t fromCol, std::int16_t fromRow, std::int16_t toCol, std::int16_t toRow)
{
    undrawable_ = false;
    model_->MovePiece(fromCol, fromRow, toCol, toRow);
    throwIfUndrawable();
}

bool Varnel::IsLegalMove(std::int16_t fromCol, std::int16_t fromRow, std::int16_t toCol, std::int16_t toRow) const
{
    return model_->IsLegalMove(fromCol, fromRow, toCol, toRow);
}

bool Varnel::IsKingChecked(PieceNum king) const
{
    return model_->IsKingChecked(king);
}

// ---- Drawing

void Varnel::redrawSquare(int index)
{
    const int col = colOfIndex(index);
    const int row = rowOfIndex(index);
    const bool light = (col + row) % 2 == 0;
    const quill::Picture& background = images_.at(light ? ImageSet::kLightSquare : ImageSet::kDarkSquare);
    const PieceNum code = model_->codeAt(index);
    quill::Picture pieceImage;
    QPointF at;
    if (code != None) {
        // A code with no picture leaves the square plain; the member that stored it reports the fault.
        if (ImageSet::isElement(code))
            pieceImage = images_.at(code);
        else
            undrawable_ = true;
        at = boardStyle_ == Modern ? kModernPieceOffset : QPointF(0, 0);
    }
    canvas_->drawSquare(index, background, pieceImage, at);
    updateSquare(index);
}

void Varnel::redrawAll()
{
    undrawable_ = false;
    for (int index = 1; index <= 64; ++index)
        redrawSquare(index);
}

void Varnel::throwIfUndrawable()
{
    if (!undrawable_)
        return;
    undrawable_ = false;
    throw ControlError(kSubscriptOutOfRange, kSubscriptOutOfRangeText);
}

void Varnel::setBoardStyle(std::int32_t style)
{
    boardStyle_ = style;
    emit propertyChanged(QStringLiteral("BoardStyle"));
    if (style == Classic)
        images_ = ImageSet::classic();
    else if (style == Modern)
        images_ = ImageSet::modern();
    // Every square is finished before a square that cannot be drawn is reported.
    redrawAll();
    throwIfUndrawable();
}

void Varnel::setSelectionColor(std::uint32_t color)
{
    selectionColor_ = color;
    emit propertyChanged(QStringLiteral("SelectionColor"));
}

quill::Picture Varnel::Picture(PieceNum element) const
{
    if (!ImageSet::isElement(element))
        throw ControlError(kSubscriptOutOfRange, kSubscriptOutOfRangeText);
    return images_.at(element);
}

void Varnel::setPicture(PieceNum element, const quill::Picture& picture)
{
    if (model_->designMode())
        throw ControlError(error::SetNotSupportedAtDesignTime, error::DesignTimeText);
    if (!picture.isIcon())
        throw ControlError(error::NotAnIcon, error::NotAnIconText);
    if (!ImageSet::isElement(element))
        throw ControlError(kSubscriptOutOfRange, kSubscriptOutOfRangeText);
    images_.set(element, picture);
    emit propertyChanged(QStringLiteral("Picture"));
}

void Varnel::SelectSquare(std::int16_t col, std::int16_t row)
{
    model_->IsSelected(col, row); // validates before anything is drawn
    const int index = SquareIndex(col, row);
    canvas_->stippleSquare(index, fromBgr(selectionColor_));
    updateSquare(index);
    model_->setSelected(col, row, true);
}

void Varnel::UnSelectSquare(std::int16_t col, std::int16_t row)
{
    model_->IsSelected(col, row);
    const int index = SquareIndex(col, row);
    undrawable_ = false;
    model_->SetSquare(model_->codeAt(index), index);
    model_->setSelected(col, row, false);
    throwIfUndrawable();
}

bool Varnel::IsSelected(std::int16_t col, std::int16_t row) const
{
    return model_->IsSelected(col, row);
}

void Varnel::ChangeBoardSize(std::int32_t dimension)
{
    if (dimension < 0)
        throw ControlError(kInvalidPropertyValue, kInvalidPropertyValueText);
    // A board not laid out yet (no size) takes one pixel per drawing unit.
    const double pixelsPerUnit = width() > 0 && height() > 0 ? zoom() : 1.0;
    const float innerWidth = static_cast<float>(dimension / hostUnitsPerUnit_);
    layout_.setSide(static_cast<float>(innerWidth / 8.0f));
    updateGeometry();
    const int pixels = static_cast<int>(std::ceil(innerWidth * pixelsPerUnit - 1e-6));
    resize(pixels, pixels);
    update();
}

void Varnel::RotateBoard()
{
    layout_.rotate();
    update();
}

void Varnel::RefreshBoard()
{
    redrawAll();
    throwIfUndrawable();
}

double Varnel::zoom() const
{
    const double extent = layout_.extent();
    if (extent <= 0)
        return 1.0;
    return std::min(width(), height()) / extent;
}

QSize Varnel::sizeHint() const
{
    const int side = static_cast<int>(std::ceil(layout_.extent() - 1e-6));
    return {side, side};
}

QRectF Varnel::squareGeometry(int index) const
{
    checkSquare(index);
    const QRectF units = layout_.squareRect(index);
    const double scale = zoom();
    return {units.topLeft() * scale, units.size() * scale};
}

void Varnel::updateSquare(int index)
{
    update(squareGeometry(index).toAlignedRect().adjusted(-1, -1, 1, 1));
}

void Varnel::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const double scale = zoom();
    painter.scale(scale, scale);
    const QRectF dirty(QPointF(event->rect().topLeft()) / scale, QSizeF(event->rect().size()) / scale);
    canvas_->paint(painter, layout_, palette().color(QPalette::Window), dirty);
    paintSlides(painter);
}

// ---- Host

bool Varnel::Enabled() const
{
    return !testAttribute(Qt::WA_ForceDisabled);
}

void Varnel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange && Enabled() != enabledSeen_) {
        enabledSeen_ = Enabled();
        emit propertyChanged(QStringLiteral("Enabled"));
    }
    QWidget::changeEvent(event);
}

void Varnel::setEnableDrag(bool on)
{
    enableDrag_ = on;
    emit propertyChanged(QStringLiteral("EnableDrag"));
}

void Varnel::setDragStyle(std::int32_t style)
{
    dragStyle_ = style;
    emit propertyChanged(QStringLiteral("DragStyle"));
}

void Varnel::setDesignMode(bool on)
{
    model_->setDesignMode(on);
}

bool Varnel::designMode() const
{
    return model_->designMode();
}

QString Varnel::aboutText()
{
    return QStringLiteral("Quillboard4_5 version %1\nThe chessboard control Quillboard.Varnel")
        .arg(QLatin1String(QUILLBOARD_VERSION));
}

void Varnel::setAboutPresenter(AboutPresenter presenter)
{
    aboutPresenter() = std::move(presenter);
}

void Varnel::About()
{
    if (aboutPresenter())
        aboutPresenter()(this, QStringLiteral("About Quillboard"), aboutText());
}

QVariant Varnel::invoke(std::int32_t memberId, CallKind kind, const QVariantList& args)
{
    return invokeMember(*this, memberId, kind, args);
}

} // namespace quill
