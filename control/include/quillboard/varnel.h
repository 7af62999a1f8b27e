#pragma once
// Varnel, the chessboard control: the position of the board model, drawn in the
// Modern or Classic style at any size and in either orientation, with mouse and
// drag-and-drop input reported as the control's events.
//
// Units. The board is drawn in the control's drawing units: 49 per square and 392 for
// the board by default. The widget maps the board's extent onto its pixel size (the
// smaller of width and height), so a host zooms the board by resizing the widget and
// pictures stay sharp at any zoom and pixel density. `ChangeBoardSize` instead takes
// a size in the host's units (twips by default: 15 per drawing unit, one drawing unit
// being one logical pixel at 96 dpi); the control's inner drawing width is that size
// converted to drawing units, and a square's side is an eighth of it.

#include <QElapsedTimer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>

#include <quillboard/board_layout.h>
#include <quillboard/control_error.h>
#include <quillboard/export.h>
#include <quillboard/image_set.h>
#include <quillboard/member_dispatch.h>
#include <quillboard/move_show.h>
#include <quillboard/picture.h>
#include <quillboard/piece_codes.h>

namespace quill {

class BoardCanvas;
class BoardModel;
class PropertyBag;
class ModelLink;

} // namespace quill

class QTimer;

namespace quill {

class QUILLBOARD_EXPORT Varnel : public QWidget {
    Q_OBJECT

public:
    // Mouse buttons and shift keys as the events report them.
    static constexpr std::int16_t kLeftButton = 1;
    static constexpr std::int16_t kRightButton = 2;
    static constexpr std::int16_t kMiddleButton = 4;
    static constexpr std::int16_t kShiftMask = 1;
    static constexpr std::int16_t kCtrlMask = 2;
    static constexpr std::int16_t kAltMask = 4;
    static constexpr double kTwipsPerUnit = 15.0;
    static constexpr std::uint32_t kDefaultSelectionColor = 0xFF0000;

    explicit Varnel(QWidget* parent = nullptr);
    ~Varnel() override;

    // Position
    void NewGame();
    void Clear();
    PieceNum piece(std::int16_t col, std::int16_t row) const;
    void setPiece(std::int16_t col, std::int16_t row, PieceNum code);
    void MovePiece(std::int16_t fromCol, std::int16_t fromRow, std::int16_t toCol, std::int16_t toRow);
    bool IsLegalMove(std::int16_t fromCol, std::int16_t fromRow, std::int16_t toCol, std::int16_t toRow) const;
    bool IsKingChecked(PieceNum king) const;

    // Drawing
    std::int32_t BoardStyle() const { return boardStyle_; }
    void setBoardStyle(std::int32_t style);
    // A colour as 0x00BBGGRR.
    std::uint32_t SelectionColor() const { return selectionColor_; }
    void setSelectionColor(std::uint32_t color);
    // Element 1..14 of the active image set (1 light square, 2..13 pieces, 14 dark square).
    quill::Picture Picture(PieceNum element) const;
    // Only icons are accepted; squares already drawn keep their picture until redrawn.
    void setPicture(PieceNum element, const quill::Picture& picture);
    void SelectSquare(std::int16_t col, std::int16_t row);
    void UnSelectSquare(std::int16_t col, std::int16_t row);
    bool IsSelected(std::int16_t col, std::int16_t row) const;
    void ChangeBoardSize(std::int32_t dimension);
    void RotateBoard();
    void RefreshBoard();
    bool isRotated() const { return layout_.isRotated(); }
    double squareSide() const { return layout_.side(); }
    // Pixels per drawing unit at the widget's current size.
    double zoom() const;

    // Showing moves. The host sets the squares of a move, then calls ShowMove:
    // with HighlightMove the move's squares (the king's when castling) are
    // tinted and a king in check is marked; with AnimateMoves the moved pieces
    // slide to their squares in AnimationTime milliseconds and a taken piece
    // fades. Only the squares that change are repainted.
    bool HighlightMove() const { return highlightMove_; }
    void setHighlightMove(bool on);
    bool AnimateMoves() const { return animateMoves_; }
    void setAnimateMoves(bool on);
    std::int32_t AnimationTime() const { return animationMs_; }
    void setAnimationTime(std::int32_t milliseconds);
    // The squares changed since the last ShowMove or SettlePosition form one
    // move (more than four changed squares are a new position). Nothing
    // changed: nothing happens.
    void ShowMove();
    // Takes the position as it stands as shown: no mark, nothing slides.
    void SettlePosition();
    bool isAnimating() const { return progress_ < 1; }

    // Input. `Enabled` is the widget's own enabled state (set it with setEnabled).
    bool Enabled() const;
    bool EnableDrag() const { return enableDrag_; }
    void setEnableDrag(bool on);
    std::int32_t DragStyle() const { return dragStyle_; }
    void setDragStyle(std::int32_t style);
    void About();

    // Square reports: what a square (index 1..64) tells the control about the mouse.
    // The widget's own mouse handling goes through these, and so can tests or hosts
    // that drive the board without a mouse. `at` is in the square's drawing units.
    void reportPress(int square, std::int16_t button, std::int16_t shift, QPointF at = {});
    void reportMove(int square, std::int16_t button, std::int16_t shift, QPointF at = {});
    void reportRelease(int square, std::int16_t button, std::int16_t shift, QPointF at = {});
    void reportClick(int square);
    void reportDoubleClick(int square);
    void reportDrop(int square);
    // A drag that ended anywhere but on one of this board's squares.
    void reportDragAbandoned();
    bool isDragging() const { return dragging_; }
    // Where square 1..64 is drawn, in widget pixels (for hosts and tests that use a real mouse).
    QRectF squareGeometry(int square) const;
    // The picture following the pointer during a drag; null when no drag is under way.
    quill::Picture dragIcon() const { return dragIcon_; }

    // Host
    void setDesignMode(bool on);
    bool designMode() const;
    // Sets the host units per drawing unit used by ChangeBoardSize (15: twips).
    void setHostUnitsPerUnit(double units)
    {
        if (units > 0)
            hostUnitsPerUnit_ = units;
    }
    // The properties as on first placement in a host.
    void initProperties();
    void readProperties(PropertyBag& bag);
    void writeProperties(PropertyBag& bag) const;
    // Any member of the control's interface by its member identifier.
    QVariant invoke(std::int32_t memberId, CallKind kind, const QVariantList& args = {});
    // Replaces how About presents its text (tests, hosts without message boxes).
    using AboutPresenter = std::function<void(QWidget* parent, const QString& title, const QString& text)>;
    static void setAboutPresenter(AboutPresenter presenter);
    static QString aboutText();

    QSize sizeHint() const override;

signals:
    void Click(qint16 col, qint16 row);
    void DblClick(qint16 col, qint16 row);
    void MouseDown(qint16 col, qint16 row, qint16 button, qint16 shift, float x, float y);
    void MouseMove(qint16 col, qint16 row, qint16 button, qint16 shift, float x, float y);
    void MouseUp(qint16 col, qint16 row, qint16 button, qint16 shift, float x, float y);
    // Raised after the board has changed; isLegalMove was judged on the board before.
    void PieceDrop(qint16 fromCol, qint16 fromRow, qint16 toCol, qint16 toRow, qint32 oldpiece, qint32 newpiece,
                   bool isLegalMove);
    // A persisted property changed, so the host's stored properties need saving.
    void propertyChanged(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    friend class ModelLink;

    void redrawSquare(int index);
    void redrawAll();
    void throwIfUndrawable();
    void updateSquare(int index);
    int squareAtPixel(const QPointF& pixel) const;
    QPointF unitsInSquare(int index, const QPointF& pixel) const;
    bool acceptsInput() const;
    void checkSquare(int square) const;
    // A press of the mouse on `square`: a drag start, or MouseDown.
    void pressSquare(int square, QMouseEvent* event);
    void runPlatformDrag();
    void markMove();
    void animationStep();
    void finishAnimation();
    void updateSlides();
    void paintSlides(QPainter& painter) const;
    QRectF slideRect(const MoveShow::Slide& slide, double progress) const;
    void dropUnderPointer(const QPointF& pixel);

    std::unique_ptr<BoardModel> model_;
    std::unique_ptr<ModelLink> link_;
    std::unique_ptr<BoardCanvas> canvas_;
    BoardLayout layout_;
    ImageSet images_;
    std::int32_t boardStyle_ = Modern;
    std::uint32_t selectionColor_ = kDefaultSelectionColor;
    double hostUnitsPerUnit_ = kTwipsPerUnit;
    bool undrawable_ = false;
    bool enabledSeen_ = true;

    bool enableDrag_ = false;
    std::int32_t dragStyle_ = DragMove;
    bool dragging_ = false;
    int dragSource_ = 0;
    PieceNum dragCode_ = None;
    quill::Picture dragIcon_;
    int pressedSquare_ = 0;
    bool clickAllowed_ = false;

    bool highlightMove_ = false;
    bool animateMoves_ = false;
    std::int32_t animationMs_ = 600;
    Position shown_{};
    MoveShow show_;
    double progress_ = 1; // of the slide under way; 1: none
    double paintedProgress_ = 1;
    QElapsedTimer animationClock_;
    QTimer* animationTimer_ = nullptr;

    std::int16_t persistedPiece_ = 0;
    quill::Picture persistedPicture_;
    bool persistedSelected_ = false;
};

} // namespace quill
