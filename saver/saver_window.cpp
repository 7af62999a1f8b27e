#include "saver_window.h"

#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>
#include <limits>

#include "board_mirror.h"
#include "caption_text.h"
#include "cursor_visibility.h"
#include "layout_report.h"
#include "modal_pause.h"
#include "move_list.h"
#include "move_list_view.h"
#include "move_sounds.h"
#include "qt_dialogs.h"
#include "replay_engine.h"
#include "replay_timer.h"
#include "saver_input.h"
#include "settings_access.h"
#include "settings_store.h"
#include <quillboard/image_set.h>
#include <quillboard/varnel.h>

namespace morvane {

namespace {

constexpr double kDesignedFontSize = 12;
constexpr double kCoordinateFontSize = 9;
const QColor kDesignedBackColor(Qt::black);
const QColor kCoordinateColor(0x80, 0x80, 0x80); // legible on dark and light backgrounds alike
constexpr int kPreviewBoardSize = 1600;
constexpr int kCaptionLines = 3;
constexpr double kTextShrink = 0.97;
constexpr double kSlideShare = 0.4;
constexpr int kLongestSlideMs = 600;

std::int32_t toInt32(double value)
{
    const double r = std::nearbyint(value);
    if (!(r > std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    if (r > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(r);
}

// A number that is no colour (below 0 or beyond 0xFFFFFF) gives the default
// colour: masking it could make the text the colour of the background.
QColor colorSetting(SettingsAccess& settings, const char* key, const char* defaultValue)
{
    double number = numericValue(settings.get(key, defaultValue));
    if (!(number >= 0 && number <= 0xFFFFFF))
        number = numericValue(defaultValue);
    return colorFromNumber(static_cast<std::uint32_t>(number));
}

// The printed list's column holds a few characters of a move: a move of
// megabytes is printed by its beginning, cut between whole UTF-8 characters,
// so that laying out its text cannot cost many times its size.
QString shownMove(std::string_view san)
{
    constexpr std::size_t kShownBytes = 64;
    if (san.size() <= kShownBytes)
        return displayText(std::string(san));
    std::size_t cut = kShownBytes;
    while (cut > 0 && (static_cast<unsigned char>(san[cut]) & 0xC0) == 0x80)
        --cut;
    return displayText(std::string(san.substr(0, cut))) + QStringLiteral("...");
}

QString coordinateText(int i)
{
    return i < 8 ? QString(QChar('a' + i)) : QString::number(i - 7);
}

// The piece sets kept on the form, by the name of their artwork folder.
quill::ImageSet pieceSet(const char* name)
{
    return quill::ImageSet::fromFolder(QStringLiteral(":/saver/pieces/") + QLatin1String(name));
}

} // namespace

SaverWindow::SaverWindow(RunMode mode, QSize screenSize, Services services, QWidget* parent)
    : QWidget(parent), mode_(mode), screenSize_(screenSize), services_(std::move(services)), layout_(LayoutInput{})
{
    setObjectName(QStringLiteral("Saver"));
    reportsLayout_ = qEnvironmentVariable("MORVANE3_REPORT_LAYOUT") == QStringLiteral("1");
    createControls();
    mirror_ = std::make_unique<BoardMirror>(model_, *Board);
    modalPause_ = std::make_unique<ModalPause>(services_.dialogs, std::initializer_list<ReplayTimer*>{Timer1, Timer2});
    engine_ = std::make_unique<ReplayEngine>(model_, static_cast<ReplayScreen&>(*this), *modalPause_,
                                             services_.settings, services_.sounds, services_.dataFolder);
    // A big file is indexed while the first game plays; input is answered meanwhile.
    engine_->indexInBackground(
        [this](std::function<void()> task) { QMetaObject::invokeMethod(this, std::move(task), Qt::QueuedConnection); });
    Form_Load();
    input_ = new SaverInput(this, mode_ == RunMode::Preview, layout_.scale());
    connect(input_, &SaverInput::rotateRequested, this, &SaverWindow::rotate);
    connect(input_, &SaverInput::endRequested, this, &SaverWindow::end);
    connect(Timer1, &ReplayTimer::Timer, this, &SaverWindow::Timer1_Timer);
    connect(Timer2, &ReplayTimer::Timer, this, &SaverWindow::Timer2_Timer);
}

SaverWindow::~SaverWindow() = default;

void SaverWindow::createControls()
{
    setAutoFillBackground(true);
    Picture3 = new QWidget(this);
    Picture3->setObjectName(QStringLiteral("Picture3"));
    Picture3->setAutoFillBackground(true);

    Picture1 = new QWidget(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAutoFillBackground(true);
    Board = new quill::Varnel(Picture1);
    Board->setObjectName(QStringLiteral("Board"));
    for (int i = 0; i < SaverLayout::kCoordinates; ++i) {
        Label[i] = new QLabel(coordinateText(i), Picture1);
        Label[i]->setObjectName(QStringLiteral("Label(%1)").arg(i));
        Label[i]->setAlignment(Qt::AlignCenter);
    }

    static const char* const kCaptions[SaverLayout::kLabels] = {"", "", "", "", "", "", "Black", "White", "Move list:"};
    for (int n = 1; n < SaverLayout::kLabels; ++n) {
        texts_[n] = QString::fromLatin1(kCaptions[n]);
        labels_[n] = new QLabel(texts_[n], this);
        labels_[n]->setObjectName(QStringLiteral("Label%1").arg(n));
        // Names, event and date come from files: never markup.
        labels_[n]->setTextFormat(Qt::PlainText);
    }
    labels_[5]->setWordWrap(true);
    labels_[5]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblCaption = new QLabel(this);
    lblCaption->setObjectName(QStringLiteral("lblCaption"));
    lblCaption->setTextFormat(Qt::PlainText); // comments come from files
    lblCaption->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Picture2 = new MoveListView(this);
    lblTextSize = new QLabel(QStringLiteral("Ag"), this);
    lblTextSize->setObjectName(QStringLiteral("lblTextSize"));
    lblTextSize->hide();
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->hide();

    Timer1 = new ReplayTimer(QStringLiteral("Timer1"), this);
    Timer2 = new ReplayTimer(QStringLiteral("Timer2"), this);
}

QFont SaverWindow::textFont() const
{
    SettingsAccess& settings = services_.settings;
    QFont font(QString::fromStdString(settings.get("FontName", "Arial")));
    // A size that is no size at all keeps the designed one rather than failing.
    const double size = std::nearbyint(numericValue(settings.get("FontSize", "12")));
    font.setPointSizeF(size > 0 && size <= std::numeric_limits<std::int16_t>::max() ? size : kDesignedFontSize);
    return font;
}

void SaverWindow::Form_Load()
{
    SettingsAccess& settings = services_.settings;
    const bool rotated = numericValue(settings.get("rotate", "0")) == 1;
    applyLayout(rotated);
    if (rotated)
        Board->RotateBoard();

    Timer1->setInterval(toInt32(numericValue(settings.get("Timer", "2")) * 1000.0));
    applyBoardStyle(settings.get("style", "1"));
    Board->setHighlightMove(settingIsTrue(settings.get("HighlightMove", "0")));
    Board->setAnimateMoves(settingIsTrue(settings.get("AnimateMoves", "0")));
    // A slide takes part of the pace, so the piece rests before the next move.
    Board->setAnimationTime(std::clamp(toInt32(Timer1->interval() * kSlideShare), 0, kLongestSlideMs));
    engine_->GameNumber = toInt32(numericValue(settings.get("FirstGame", "1")) - 1);
}

// The layout for the current size: the load handler's, and again whenever the
// window the Saver fills changes size.
void SaverWindow::applyLayout(bool rotated)
{
    SettingsAccess& settings = services_.settings;
    const QFont font = textFont();
    lblTextSize->setFont(font);

    LayoutInput in;
    in.screenWidth = screenSize_.width();
    in.screenHeight = screenSize_.height();
    in.preview = mode_ == RunMode::Preview;
    in.rotate = rotated;
    in.hideMoveList = settingIsTrue(settings.get("HideMoveList", "0"));
    const QFontMetricsF metrics(font);
    in.lineTwips = QFontMetrics(font).height() * kTwipsPerPixel;
    in.listWidthTwips = (metrics.horizontalAdvance(QStringLiteral("88. exd8=Q+  exd8=Q+"))) * kTwipsPerPixel;
    layout_ = SaverLayout(in);

    QPalette formPalette = palette();
    formPalette.setColor(QPalette::Window,
                         layout_.appliesBackColor() ? colorSetting(settings, "BackColor", "0") : kDesignedBackColor);
    setPalette(formPalette);

    const QColor textColor = colorSetting(settings, "TextColor", "65280");
    // Glyph heights do not shrink in proportion with the size: the text is made
    // a little smaller where it would not fit the line it was laid out for.
    const double linePixels = std::floor(layout_.scale().toPixelsF(layout_.lineTwips()));
    QFont listFont = font;
    QFont scaledFont = font;
    for (double factor = layout_.textFactor(); factor > 0; factor *= kTextShrink) {
        listFont.setPointSizeF(font.pointSizeF() * factor);
        scaledFont.setPointSizeF(listFont.pointSizeF() * layout_.scale().scale());
        if (QFontMetrics(scaledFont).height() <= linePixels || scaledFont.pointSizeF() < 1)
            break;
    }
    for (int n = 1; n < SaverLayout::kLabels; ++n) {
        QPalette p = labels_[n]->palette();
        p.setColor(QPalette::WindowText, textColor);
        labels_[n]->setPalette(p);
        labels_[n]->setFont(scaledFont);
    }
    QPalette captionPalette = lblCaption->palette();
    captionPalette.setColor(QPalette::WindowText, textColor);
    lblCaption->setPalette(captionPalette);
    lblCaption->setFont(scaledFont);
    lblCaption->setVisible(settingIsTrue(settings.get("ShowComments", "0")) && mode_ != RunMode::Preview);
    Picture2->setMetrics(layout_.scale(), layout_.picture2().height, layout_.lineTwips());
    Picture2->setTextFont(listFont);
    Picture2->setTextColor(textColor);

    QFont coordinateFont = font;
    coordinateFont.setPointSizeF(kCoordinateFontSize * layout_.scale().scale());
    for (QLabel* coordinate : Label) {
        QPalette p = coordinate->palette();
        p.setColor(QPalette::WindowText, kCoordinateColor);
        coordinate->setPalette(p);
        coordinate->setFont(coordinateFont);
    }

    const Qt::Alignment nameAlignment = layout_.nameAlignment() == TextAlign::Left    ? Qt::AlignLeft
                                        : layout_.nameAlignment() == TextAlign::Right ? Qt::AlignRight
                                                                                      : Qt::AlignHCenter;
    for (int n = 1; n <= 4; ++n) {
        const bool name = n <= 2 || (n == 3 && layout_.namesFitText());
        labels_[n]->setAlignment((name ? nameAlignment : Qt::AlignHCenter) | Qt::AlignVCenter);
    }
    // The fitted layout gives the status one line; the designed ones two.
    labels_[5]->setWordWrap(!layout_.isFitted());
    placeControls();
    fitMoveListColumns();

    const bool showList = layout_.moveListVisible();
    labels_[6]->setVisible(showList);
    labels_[7]->setVisible(showList);
    Picture2->setVisible(showList);

    for (QWidget* picture : {Picture1, static_cast<QWidget*>(Picture2), Picture3}) {
        QPalette p = picture->palette();
        p.setColor(QPalette::Window, formPalette.color(QPalette::Window));
        picture->setPalette(p);
    }
}

void SaverWindow::setFollowsSize(bool on)
{
    followsSize_ = on;
}

void SaverWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!followsSize_ || event->size() == screenSize_ || event->size().isEmpty())
        return;
    screenSize_ = event->size();
    applyLayout(layout_.orientation() == 2);
}

void SaverWindow::showStatusLine(const std::string& text)
{
    setLabel(ReplayLabel::Label5, text);
}

void SaverWindow::place(QWidget* widget, const TwipRect& r)
{
    const TwipScale s = layout_.scale();
    const int left = s.toPixels(r.left);
    const int top = s.toPixels(r.top);
    widget->setGeometry(left, top, s.toPixels(r.right()) - left, s.toPixels(r.bottom()) - top);
}

void SaverWindow::placeControls()
{
    place(Picture3, layout_.picture3());
    place(Picture1, layout_.picture1());
    place(Board, layout_.board());
    placeCoordinates();
    for (int n = 1; n < SaverLayout::kLabels; ++n) {
        place(labels_[n], layout_.label(n));
        showLabelText(n);
    }
    // The room the layout keeps under the status line: three lines.
    place(lblCaption, layout_.belowStatus());
    fitCaption();
    place(Picture2, layout_.picture2());
    place(lblTextSize, {0, 0, layout_.picture2().width, layout_.lineTwips()});
    Picture3->lower();
    Picture2->raise();
}

void SaverWindow::showLabelText(int n)
{
    QLabel* l = labels_[n];
    if (l->wordWrap()) {
        l->setText(texts_[n]);
        return;
    }
    const TwipScale s = layout_.scale();
    const TwipRect& box = layout_.label(n);
    // The headers stand where the game's columns put them.
    const bool header = n == 6 || n == 7;
    const int width = header ? l->width() : s.toPixels(box.right()) - s.toPixels(box.left);
    l->setText(QFontMetrics(l->font()).elidedText(texts_[n], Qt::ElideRight, width));
    if (layout_.namesFitText() && n <= 3)
        l->adjustSize();
}

void SaverWindow::fitMoveListColumns()
{
    QStringList whiteEntries;
    for (const std::string& line : engine_->moveLines()) {
        const MoveFields fields = moveFields(line);
        const std::size_t dot = line.find('.');
        if (!fields.white.empty() && dot != std::string::npos)
            whiteEntries << displayText(line.substr(0, dot)) + QStringLiteral(". ") + shownMove(fields.white);
    }
    const double column = Picture2->fitBlackColumn(layout_.blackColumn(), whiteEntries);
    const TwipRect& list = layout_.picture2();
    TwipRect white = layout_.label(7);
    white.width = column;
    place(labels_[7], white);
    place(labels_[6], {list.left + column, white.top, list.width - column, white.height});
    for (int n = 6; n <= 7; ++n) {
        texts_[n] = QString::fromLatin1(n == 6 ? "Black" : "White");
        showLabelText(n);
    }
}

void SaverWindow::placeCoordinates()
{
    for (int i = 0; i < SaverLayout::kCoordinates; ++i)
        place(Label[i], layout_.coordinate(i));
}

void SaverWindow::applyBoardStyle(const std::string& style)
{
    const char* pieces = nullptr;
    if (style == "1") {
        Board->setBoardStyle(quill::Modern);
    } else if (style == "2") {
        Board->setBoardStyle(quill::Classic);
    } else if (style == "3") {
        Board->setBoardStyle(quill::Classic);
        pieces = "alpha";
    } else if (style == "4") {
        Board->setBoardStyle(quill::Classic);
        pieces = "castles";
    }
    if (!pieces)
        return;
    const quill::ImageSet set = pieceSet(pieces);
    for (int code = quill::Bpawn; code <= quill::wking; ++code)
        Board->setPicture(static_cast<quill::PieceNum>(code), set.at(code));
    Board->RefreshBoard();
}

void SaverWindow::setUpPreview()
{
    TwipRect frame = layout_.picture1();
    frame.left = frame.top = SaverLayout::kPreviewFrameOffset;
    place(Picture1, frame);
    Board->setBoardStyle(quill::Classic);
    Board->ChangeBoardSize(kPreviewBoardSize);
    const quill::ImageSet set = pieceSet("preview");
    for (int code = quill::Bpawn; code <= quill::wking; ++code)
        Board->setPicture(static_cast<quill::PieceNum>(code), set.at(code));
    Board->RefreshBoard();
}

void SaverWindow::NewGame()
{
    model_.NewGame();
}

void SaverWindow::rotate()
{
    Board->RotateBoard();
    layout_.rotateLabels();
    for (int n = 1; n <= 2; ++n) {
        place(labels_[n], layout_.label(n));
        showLabelText(n);
    }
    placeCoordinates();
}

void SaverWindow::Timer2_Timer()
{
    engine_->Timer2_Timer();
    Board->SettlePosition();
}

void SaverWindow::Timer1_Timer()
{
    if (engine_->MoveIndex >= 0 && engine_->MoveIndex < List1->count())
        List1->setCurrentRow(engine_->MoveIndex);
    engine_->Timer1_Timer();
    Board->ShowMove();
    if (reportsLayout_)
        printLayoutReport(*this, *Picture2, stdout);
}

// ReplayScreen

void SaverWindow::setLabel(ReplayLabel label, const std::string& text)
{
    const int n = static_cast<int>(label) + 1;
    texts_[n] = displayText(text);
    showLabelText(n);
}

std::string SaverWindow::label(ReplayLabel label) const
{
    return texts_[static_cast<std::size_t>(label) + 1].toStdString();
}

void SaverWindow::clearMoveList()
{
    Picture2->clear();
    List1->clear();
    for (const std::string& line : engine_->moveLines())
        List1->addItem(displayText(line));
    fitMoveListColumns();
}

void SaverWindow::printWhiteMove(std::int32_t moveNumber, std::string_view san)
{
    Picture2->printWhite(QString::number(moveNumber) + QStringLiteral(". ") + shownMove(san));
}

void SaverWindow::printBlackMove(std::string_view san)
{
    Picture2->printBlack(shownMove(san));
}

void SaverWindow::setTimer1Enabled(bool on)
{
    Timer1->setEnabled(on);
}

void SaverWindow::setTimer2Enabled(bool on)
{
    Timer2->setEnabled(on);
}

void SaverWindow::setTimer2Interval(std::int32_t milliseconds)
{
    Timer2->setInterval(milliseconds);
}

void SaverWindow::setTimer1Interval(std::int32_t milliseconds)
{
    Timer1->setInterval(milliseconds);
}

void SaverWindow::showCaption(const std::string& text)
{
    caption_ = displayText(text);
    fitCaption();
}

void SaverWindow::fitCaption()
{
    lblCaption->setText(fittedLines(caption_, lblCaption->font(), lblCaption->width(), kCaptionLines));
}

void SaverWindow::showCursor()
{
    CursorVisibility::show();
}

void SaverWindow::hideSaver()
{
    hide();
}

void SaverWindow::unloadSaver()
{
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    close();
}

void SaverWindow::showSettingsDialog()
{
    emit settingsDialogRequested();
}

void SaverWindow::endProgram()
{
    if (keepsPlaying_) {
        // A game that ends the program elsewhere is skipped here: the next one
        // follows after the usual pause.
        Timer1->setEnabled(false);
        Timer2->setEnabled(true);
        return;
    }
    end();
}

void SaverWindow::end()
{
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    CursorVisibility::show();
    emit endRequested();
}

} // namespace morvane
