#include "setup_tab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialog_parts.h"
#include "dialogs.h"
#include "link_label.h"
#include "qt_dialogs.h"
#include "settings_store.h"
#include "style_preview.h"

namespace morvane {

namespace {

constexpr std::uint32_t kMaxColor = 0xFFFFFF;

std::uint32_t colorNumber(const std::string& text)
{
    const double v = numericValue(text);
    if (v <= 0)
        return 0;
    return v >= kMaxColor ? kMaxColor : static_cast<std::uint32_t>(v);
}

bool truthValue(const std::string& text)
{
    return numericValue(text) != 0;
}

QFrame* swatch(const char* name, QWidget* parent)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameShape(QFrame::Box);
    frame->setFixedSize(44, 22);
    frame->setAutoFillBackground(true);
    return frame;
}

void paintSwatch(QFrame* frame, std::uint32_t color)
{
    QPalette pal = frame->palette();
    pal.setColor(QPalette::Window, colorFromNumber(color));
    frame->setPalette(pal);
}

QString sizeText(double size)
{
    return QString::number(size, 'g', 7);
}

} // namespace

SetupTab::SetupTab(Dialogs& dialogs, const QString& appPath, QWidget* parent) : QWidget(parent), dialogs_(dialogs)
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(productHeading(this));
    auto* frames = new QHBoxLayout;
    frames->addWidget(buildGeneral(), 3);
    frames->addWidget(buildBoard(), 2);
    layout->addLayout(frames);
    layout->addWidget(buildAnnotations());

    auto* from = new QHBoxLayout;
    from->addWidget(new QLabel(QStringLiteral("Available from:"), this));
    const QString readme = shippedFile(appPath, QStringLiteral("README.md"));
    lblUrl4_ = new LinkLabel(readme.isEmpty() ? QStringLiteral("README.md") : readme, this);
    lblUrl4_->setObjectName(arrayName("lblUrl", 4));
    from->addWidget(lblUrl4_, 1);
    layout->addLayout(from);
    layout->addStretch(1);
}

QWidget* SetupTab::buildGeneral()
{
    auto* box = new QGroupBox(QStringLiteral("General Settings"), this);
    auto* grid = new QGridLayout(box);
    auto timeRow = [&](int row, const char* caption, const char* name, QLineEdit*& edit) {
        grid->addWidget(new QLabel(QString::fromLatin1(caption), box), row, 0);
        edit = new QLineEdit(box);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setMaximumWidth(60);
        grid->addWidget(edit, row, 1);
        grid->addWidget(new QLabel(QStringLiteral("Second(s)"), box), row, 2);
    };
    timeRow(0, "Time between moves:", "Text1", Text1_);
    timeRow(1, "Time between games:", "Text2", Text2_);
    Text1_->setText(QStringLiteral("2"));
    Text2_->setText(QStringLiteral("10"));

    Random_ = new QCheckBox(QStringLiteral("Play games in random order"), box);
    Random_->setObjectName(QStringLiteral("Random"));
    grid->addWidget(Random_, 2, 0, 1, 3);
    HideMoveList_ = new QCheckBox(QStringLiteral("Hide move list"), box);
    HideMoveList_->setObjectName(QStringLiteral("HideMoveList"));
    grid->addWidget(HideMoveList_, 3, 0, 1, 3);

    grid->addWidget(new QLabel(QStringLiteral("Text font & color:"), box), 4, 0);
    Picture1_ = swatch("Picture1", box);
    grid->addWidget(Picture1_, 4, 1);
    Command1_ = new QPushButton(QStringLiteral("Change...."), box);
    Command1_->setObjectName(QStringLiteral("Command1"));
    grid->addWidget(Command1_, 4, 2);
    grid->addWidget(new QLabel(QStringLiteral("Background color:"), box), 5, 0);
    Picture3_ = swatch("Picture3", box);
    grid->addWidget(Picture3_, 5, 1);
    Command10_ = new QPushButton(QStringLiteral("Change...."), box);
    Command10_->setObjectName(QStringLiteral("Command10"));
    grid->addWidget(Command10_, 5, 2);

    grid->addWidget(new QLabel(QStringLiteral("Font Preview"), box), 6, 0, 1, 3);
    lblFontTest_ = new QLabel(box);
    lblFontTest_->setObjectName(QStringLiteral("lblFontTest"));
    lblFontTest_->setAutoFillBackground(true);
    lblFontTest_->setFrameShape(QFrame::Panel);
    lblFontTest_->setFrameShadow(QFrame::Sunken);
    lblFontTest_->setAlignment(Qt::AlignCenter);
    lblFontTest_->setMinimumHeight(64);
    grid->addWidget(lblFontTest_, 7, 0, 1, 3);
    grid->setRowStretch(8, 1);

    connect(Command1_, &QPushButton::clicked, this, &SetupTab::Command1_Click);
    connect(Command10_, &QPushButton::clicked, this, &SetupTab::Command10_Click);
    return box;
}

QWidget* SetupTab::buildBoard()
{
    auto* box = new QGroupBox(QStringLiteral("Board Settings"), this);
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(QStringLiteral("Piece Style:"), box), 0, 0);
    Combo1_ = new QComboBox(box);
    Combo1_->setObjectName(QStringLiteral("Combo1"));
    Combo1_->addItems(
        {QStringLiteral("Modern"), QStringLiteral("Classic"), QStringLiteral("Alpha"), QStringLiteral("Castles!")});
    grid->addWidget(Combo1_, 0, 1);

    // Alpha and Castles! stand on the classic board, as on the Saver screen.
    const char* const sets[] = {"modern", "classic", "alpha", "castles"};
    const char* const squares[] = {"modern", "classic", "classic", "classic"};
    for (int i = 0; i < 4; ++i) {
        Image1_[static_cast<std::size_t>(i)] =
            new StylePreview(QString::fromLatin1(sets[i]), QString::fromLatin1(squares[i]), box);
        Image1_[static_cast<std::size_t>(i)]->setObjectName(arrayName("Image1", i));
        grid->addWidget(Image1_[static_cast<std::size_t>(i)], 1, 0, 1, 2, Qt::AlignCenter);
    }
    rotate_ = new QCheckBox(QStringLiteral("Invert Board"), box);
    rotate_->setObjectName(QStringLiteral("rotate"));
    grid->addWidget(rotate_, 2, 0, 1, 2);
    HighlightMove_ = new QCheckBox(QStringLiteral("Highlight last move"), box);
    HighlightMove_->setObjectName(QStringLiteral("HighlightMove"));
    grid->addWidget(HighlightMove_, 3, 0);
    AnimateMoves_ = new QCheckBox(QStringLiteral("Animate moves"), box);
    AnimateMoves_->setObjectName(QStringLiteral("AnimateMoves"));
    grid->addWidget(AnimateMoves_, 3, 1);
    grid->setRowStretch(4, 1);

    connect(Combo1_, &QComboBox::currentIndexChanged, this, &SetupTab::Combo1_Click);
    Combo1_Click();
    return box;
}

QWidget* SetupTab::buildAnnotations()
{
    auto* box = new QGroupBox(QStringLiteral("Annotated games"), this);
    auto* row = new QHBoxLayout(box);
    ShowComments_ = new QCheckBox(QStringLiteral("Show comments"), box);
    ShowComments_->setObjectName(QStringLiteral("ShowComments"));
    row->addWidget(ShowComments_);
    row->addSpacing(24);
    PaceByClock_ = new QCheckBox(QStringLiteral("Pace by the players' clocks"), box);
    PaceByClock_->setObjectName(QStringLiteral("PaceByClock"));
    row->addWidget(PaceByClock_);
    txtPaceFactor_ = new QLineEdit(QStringLiteral("10"), box);
    txtPaceFactor_->setObjectName(QStringLiteral("txtPaceFactor"));
    txtPaceFactor_->setMaximumWidth(60);
    row->addWidget(txtPaceFactor_);
    row->addWidget(new QLabel(QStringLiteral("times faster"), box));
    row->addStretch(1);
    return box;
}

void SetupTab::load(const Config& config)
{
    setTextColor(colorNumber(config.get("TextColor", "65280")));
    setBackColor(colorNumber(config.get("BackColor", "0")));
    Text1_->setText(QString::fromStdString(config.get("Timer", "2")));
    Text2_->setText(QString::fromStdString(config.get("Timer2", "10")));
    Random_->setChecked(truthValue(config.get("Random", "0")));
    rotate_->setChecked(truthValue(config.get("rotate", "0")));
    HighlightMove_->setChecked(truthValue(config.get("HighlightMove", "0")));
    AnimateMoves_->setChecked(truthValue(config.get("AnimateMoves", "0")));
    // A stored style outside the four shows the first rather than no preview at all.
    const int entry = static_cast<int>(numericValue(config.get("style", "1"))) - 1;
    Combo1_->setCurrentIndex(entry >= 0 && entry < Combo1_->count() ? entry : 0);
    Combo1_Click();
    HideMoveList_->setChecked(truthValue(config.get("HideMoveList", "0")));
    ShowComments_->setChecked(truthValue(config.get("ShowComments", "0")));
    const std::string pace = config.get("PaceByClock", "0");
    PaceByClock_->setChecked(numericValue(pace) > 0);
    txtPaceFactor_->setText(numericValue(pace) > 0 ? displayText(pace) : QStringLiteral("10"));

    fontName_ = displayText(config.get("FontName", "Arial"));
    const std::string storedSize = config.get("FontSize", "12");
    fontSize_ = numericValue(storedSize);
    showFontPreview(fontName_ + QLatin1Char('\n') + QStringLiteral("Size = ") + displayText(storedSize));
}

void SetupTab::showFontPreview(const QString& text)
{
    QFont font = lblFontTest_->font();
    font.setFamily(fontName_);
    lblFontTest_->setFont(font);
    lblFontTest_->setText(text);
}

namespace {
// A swatch and the font preview show one colour choice together.
void showColor(QFrame* swatch, QLabel* preview, QPalette::ColorRole role, std::uint32_t color)
{
    paintSwatch(swatch, color);
    QPalette pal = preview->palette();
    pal.setColor(role, colorFromNumber(color));
    preview->setPalette(pal);
}
} // namespace

void SetupTab::setTextColor(std::uint32_t color)
{
    textColor_ = color;
    showColor(Picture1_, lblFontTest_, QPalette::WindowText, color);
}

void SetupTab::setBackColor(std::uint32_t color)
{
    backColor_ = color;
    showColor(Picture3_, lblFontTest_, QPalette::Window, color);
}

// Our font dialog has no colour of its own: the button asks for the font, then for
// the colour. Cancelling the font changes nothing; cancelling the colour keeps the
// new font with the old colour.
void SetupTab::Command1_Click()
{
    const auto font = dialogs_.chooseFont(FontChoice{fontName_.toStdString(), fontSize_});
    if (!font)
        return;
    fontName_ = QString::fromStdString(font->name);
    fontSize_ = font->size;
    showFontPreview(fontName_ + QLatin1Char('\n') + QStringLiteral(" Size = ") + sizeText(fontSize_));
    if (const auto color = dialogs_.chooseColor(textColor_))
        setTextColor(*color & kMaxColor);
}

void SetupTab::Command10_Click()
{
    if (const auto color = dialogs_.chooseColor(backColor_))
        setBackColor(*color & kMaxColor);
}

void SetupTab::Combo1_Click()
{
    for (StylePreview* image : Image1_)
        image->hide();
    const int entry = Combo1_->currentIndex();
    if (entry >= 0 && entry < static_cast<int>(Image1_.size()))
        Image1_[static_cast<std::size_t>(entry)]->show();
}

QString SetupTab::secondsBetweenMoves() const
{
    return Text1_->text();
}
QString SetupTab::secondsBetweenGames() const
{
    return Text2_->text();
}
bool SetupTab::randomOrder() const
{
    return Random_->isChecked();
}
bool SetupTab::invertBoard() const
{
    return rotate_->isChecked();
}
bool SetupTab::highlightMove() const
{
    return HighlightMove_->isChecked();
}
bool SetupTab::animateMoves() const
{
    return AnimateMoves_->isChecked();
}
bool SetupTab::hideMoveList() const
{
    return HideMoveList_->isChecked();
}
int SetupTab::style() const
{
    return Combo1_->currentIndex() + 1;
}
bool SetupTab::showComments() const
{
    return ShowComments_->isChecked();
}
std::string SetupTab::paceByClock() const
{
    const std::string factor = txtPaceFactor_->text().trimmed().toStdString();
    return PaceByClock_->isChecked() && numericValue(factor) > 0 ? factor : "0";
}
QString SetupTab::fontSizeText() const
{
    return sizeText(fontSize_);
}

} // namespace morvane
