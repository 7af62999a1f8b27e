#include "frm_ge.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "frm_promote.h"
#include "move_list.h"
#include "settings_store.h"
#include <quillboard/image_set.h>
#include <quillboard/varnel.h>

namespace morvane {

namespace {

constexpr const char* kErrorText = "An Error Happenned";
constexpr const char* kDiscardQuestion = "The moves you entered in this game will be lost. Close the editor anyway?";
constexpr std::array<const char*, 4> kNavigateCaptions = {"<<", "<", ">", ">>"};
constexpr int kLabelWidth = 96;
constexpr int kLabelHeight = 20;

QString arrayName(const char* name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

// Holds the board as the largest square that fits, centred, so that the board
// grows with the window and is drawn afresh at its new size.
class BoardFrame : public QWidget {
public:
    BoardFrame(QWidget* board, QWidget* parent) : QWidget(parent), board_(board)
    {
        board_->setParent(this);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    QSize sizeHint() const override { return board_->sizeHint(); }
    QSize minimumSizeHint() const override { return board_->sizeHint(); }

protected:
    void resizeEvent(QResizeEvent*) override
    {
        const int side = std::min(width(), height());
        board_->setGeometry((width() - side) / 2, (height() - side) / 2, side, side);
    }

private:
    QWidget* board_;
};

QPushButton* makeButton(const QString& caption, const QString& name, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

FrmGE::FrmGE(Dialogs& dialogs, EditorServices services, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), services_(std::move(services)),
      decoderHost_(dialogs, services_.playMoveSound), decoder_(model_, decoderHost_),
      encoder_(model_, static_cast<EncoderHost&>(*this))
{
    setObjectName(QStringLiteral("frmGE"));
    setWindowTitle(QStringLiteral("Graphical Entry"));
    createControls();
    Form_Load();
}

FrmGE::~FrmGE() = default;

void FrmGE::createControls()
{
    GE = new quill::Varnel(this);
    GE->setObjectName(QStringLiteral("GE"));
    GE->setEnableDrag(true);
    connect(GE, &quill::Varnel::PieceDrop, this, &FrmGE::GE_PieceDrop);

    // The lists hold the moves; the two-column view beside the board shows them.
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->hide();
    connect(List1, &QListWidget::itemClicked, this, &FrmGE::List1_Click);
    List2 = new QListWidget(this);
    List2->setObjectName(QStringLiteral("List2"));
    List2->hide();
    connect(List2, &QListWidget::itemClicked, this, &FrmGE::List2_Click);

    PicList = new QWidget(this);
    PicList->setObjectName(QStringLiteral("PicList"));
    auto* grid = new QGridLayout(PicList);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    for (int i = 1; i <= kViewRows; ++i) {
        for (const bool white : {true, false}) {
            auto* label = new QLabel(PicList);
            label->setObjectName(arrayName(white ? "lblWhiteList" : "lblBlackList", i));
            label->setFixedSize(kLabelWidth, kLabelHeight);
            label->setAutoFillBackground(true);
            label->setIndent(4);
            label->installEventFilter(this);
            grid->addWidget(label, i - 1, white ? 0 : 1);
            (white ? lblWhiteList : lblBlackList)[static_cast<std::size_t>(i)] = label;
        }
    }
    ListScroll = new QScrollBar(Qt::Vertical, this);
    ListScroll->setObjectName(QStringLiteral("ListScroll"));
    ListScroll->setPageStep(kViewRows);
    ListScroll->setRange(0, 0);
    connect(ListScroll, &QScrollBar::valueChanged, this, &FrmGE::ListScroll_Change);

    auto* navigation = new QHBoxLayout;
    for (int i = 0; i < static_cast<int>(CmdNavigate.size()); ++i) {
        QPushButton* button = makeButton(QString::fromLatin1(kNavigateCaptions[static_cast<std::size_t>(i)]),
                                         arrayName("CmdNavigate", i), this);
        connect(button, &QPushButton::clicked, this, [this, i] { CmdNavigate_Click(i); });
        navigation->addWidget(button);
        CmdNavigate[static_cast<std::size_t>(i)] = button;
    }

    Undo = makeButton(QStringLiteral("Undo"), QStringLiteral("Undo"), this);
    connect(Undo, &QPushButton::clicked, this, &FrmGE::Undo_Click);
    Command1 = makeButton(QStringLiteral("New Game"), QStringLiteral("Command1"), this);
    connect(Command1, &QPushButton::clicked, this, &FrmGE::Command1_Click);
    OK = makeButton(QStringLiteral("OK"), QStringLiteral("OK"), this);
    connect(OK, &QPushButton::clicked, this, &FrmGE::OK_Click);
    Command2 = makeButton(QStringLiteral("Cancel"), QStringLiteral("Command2"), this);
    connect(Command2, &QPushButton::clicked, this, &FrmGE::Command2_Click);

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(0);
    connect(Timer2, &QTimer::timeout, this, &FrmGE::Timer2_Timer);

    Picture1 = new QWidget(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFocusPolicy(Qt::StrongFocus);
    Picture1->setFixedSize(1, 1);
    Picture2 = new QProgressBar(this);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setTextVisible(false);
    Picture2->setFixedHeight(12);
    Picture2->hide();

    auto* left = new QVBoxLayout;
    left->addWidget(new BoardFrame(GE, this), 1);
    left->addWidget(Picture2);
    left->addWidget(Picture1);

    auto* view = new QHBoxLayout;
    view->setSpacing(0);
    view->addWidget(PicList);
    view->addWidget(ListScroll);
    auto* editing = new QHBoxLayout;
    editing->addWidget(Undo);
    editing->addWidget(Command1);
    auto* closing = new QHBoxLayout;
    closing->addWidget(OK);
    closing->addWidget(Command2);
    auto* right = new QVBoxLayout;
    right->addLayout(view);
    right->addLayout(navigation);
    right->addLayout(editing);
    right->addStretch();
    right->addLayout(closing);

    auto* main = new QHBoxLayout(this);
    main->addLayout(left, 1);
    main->addLayout(right);
}

void FrmGE::Form_Load()
{
    applyBoardStyle(services_.config ? services_.config->get("style", "0") : "0");
    // A fresh editor starts from the start position, so that a game handed in
    // is replayed from there and undo can always go back to the start.
    setUpBoard();
    history_.store(0, model_);
    sideToMove_ = 2;
    currentPosition_ = 0;
    lastPosition_ = 0;
    viewTop_ = 0;
    selectedHalfMove_ = 0;
    Undo->setEnabled(false);
    for (QPushButton* button : CmdNavigate)
        button->setEnabled(false);
    UpdateDoubleList();
}

void FrmGE::applyBoardStyle(const std::string& style)
{
    QString pieces;
    if (style == "1") {
        GE->setBoardStyle(quill::Modern);
    } else if (style == "2") {
        GE->setBoardStyle(quill::Classic);
    } else if (style == "3") {
        GE->setBoardStyle(quill::Classic);
        pieces = QStringLiteral("alpha");
    } else if (style == "4") {
        GE->setBoardStyle(quill::Classic);
        pieces = QStringLiteral("castles");
    }
    if (pieces.isEmpty())
        return;
    const quill::ImageSet set = quill::ImageSet::fromFolder(QStringLiteral(":/editor/pieces/") + pieces);
    for (int code = quill::Bpawn; code <= quill::wking; ++code)
        GE->setPicture(static_cast<quill::PieceNum>(code), set.at(code));
    GE->RefreshBoard();
}

// ---- Board

void FrmGE::pullBoard()
{
    for (std::int16_t col = 1; col <= 8; ++col) {
        for (std::int16_t row = 1; row <= 8; ++row) {
            const quill::PieceNum code = GE->piece(col, row);
            if (model_.piece(col, row) != code)
                model_.setPiece(col, row, code);
        }
    }
}

void FrmGE::pushBoard()
{
    for (std::int16_t col = 1; col <= 8; ++col) {
        for (std::int16_t row = 1; row <= 8; ++row) {
            const quill::PieceNum code = model_.piece(col, row);
            if (GE->piece(col, row) != code)
                GE->setPiece(col, row, code);
        }
    }
}

// ---- Entering a move

void FrmGE::GE_PieceDrop(qint16 fromCol, qint16 fromRow, qint16 toCol, qint16 toRow, qint32 oldpiece, qint32 newpiece,
                         bool isLegalMove)
{
    const DroppedMove move{fromCol,
                           fromRow,
                           toCol,
                           toRow,
                           static_cast<quill::PieceNum>(oldpiece),
                           static_cast<quill::PieceNum>(newpiece),
                           isLegalMove};
    if (currentPosition_ == 0)
        sideToMove_ = 1;
    const bool wrongColour = sideToMove_ == 1 ? newpiece <= quill::Bking : newpiece >= quill::Wpawn;
    if (wrongColour) {
        GE->setPiece(fromCol, fromRow, move.newpiece);
        GE->setPiece(toCol, toRow, move.oldpiece);
        return;
    }

    const int position = currentPosition_ + 1;
    // The moves before this half-move stay; the rest of the game goes once the
    // move is accepted.
    const int whiteBefore = position / 2;
    const int blackBefore = (position - 1) / 2;
    try {
        pullBoard();
        encoder_.WhiteCastled = hasCastled(List1, whiteBefore) || !start_.mayCastle[0];
        encoder_.BlackCastled = hasCastled(List2, blackBefore) || !start_.mayCastle[1];
        Snapshot setUp;
        const Snapshot* twoBack =
            history_.has(position - 2) ? &history_.at(position - 2) : setUpTwoBack(position, setUp);
        const std::optional<std::string> san = encoder_.encode(move, sideToMove_, twoBack);
        pushBoard();
        if (!san)
            return; // castling refused; the board is as before the drop

        cutLists(whiteBefore, blackBefore);
        currentPosition_ = position;
        QListWidget* list = sideToMove_ == 1 ? List1 : List2;
        list->addItem(QStringLiteral("%1. %2").arg(list->count() + firstMove()).arg(QString::fromLatin1(*san)));
        sideToMove_ = sideToMove_ == 1 ? 2 : 1;
        selectedHalfMove_ = position;
        UpdateDoubleList();
        CmdNavigate[First]->setEnabled(true);
        CmdNavigate[Last]->setEnabled(true);
        ListScroll->setValue(ListScroll->maximum());
        Updatelist();
        Undo->setEnabled(true);
    } catch (const std::exception&) {
        // Nothing of the move is kept: the board goes back to the position shown before it.
        history_.show(currentPosition_, model_);
        pushBoard();
        dialogs_.message(kErrorText, MsgIcon::Critical, MsgButtons::Ok);
    }
}

bool FrmGE::hasCastled(const QListWidget* list, int moves) const
{
    for (int i = 0; i < std::min(moves, list->count()); ++i) {
        const QString text = list->item(i)->text();
        const QString san = text.mid(text.indexOf(QLatin1Char('.')) + 1).trimmed();
        // "0-1" in Black's field is a result, not a castling.
        if (san.startsWith(QLatin1String("O-O")) || san.startsWith(QLatin1String("0-0")) ||
            san.startsWith(QLatin1String("o-o")))
            return true;
    }
    return false;
}

void FrmGE::cutLists(int whiteMoves, int blackMoves)
{
    while (List1->count() > whiteMoves)
        delete List1->takeItem(List1->count() - 1);
    while (List2->count() > blackMoves)
        delete List2->takeItem(List2->count() - 1);
}

int FrmGE::totalMoves() const
{
    return List1->count() + List2->count();
}

void FrmGE::illegalMoveWarning()
{
    dialogs_.message(kIllegalMoveWarningText, MsgIcon::None, MsgButtons::Ok);
}

void FrmGE::cantCastle()
{
    dialogs_.message(kCantCastleText, MsgIcon::None, MsgButtons::Ok);
}

quill::PieceNum FrmGE::Promote(int side)
{
    if (services_.promote)
        return services_.promote(side);
    return FrmPromote::Promote(side, this);
}

// ---- Positions

void FrmGE::Display(int position)
{
    if (!history_.has(position))
        return;
    history_.show(position, model_);
    pushBoard();
    currentPosition_ = position;
    sideToMove_ = position % 2 == 0 ? 1 : 2;
}

void FrmGE::Updatelist()
{
    history_.store(currentPosition_, model_);
    lastPosition_ = currentPosition_;
}

void FrmGE::Undo_Click()
{
    if (currentPosition_ <= firstPosition() || totalMoves() <= firstPosition())
        return;
    const int position = totalMoves() - 1;
    history_.truncate(position);
    Display(position);
    QListWidget* list = sideToMove_ == 1 ? List1 : List2;
    delete list->takeItem(list->count() - 1);
    lastPosition_ = currentPosition_;
    if (currentPosition_ <= firstPosition())
        Undo->setEnabled(false);
    selectedHalfMove_ = currentPosition_;
    CmdNavigate[Next]->setEnabled(false);
    CmdNavigate[Last]->setEnabled(false);
    UpdateDoubleList();
}

void FrmGE::Command1_Click()
{
    setUpBoard();
    sideToMove_ = 1;
    encoder_.WhiteCastled = false;
    encoder_.BlackCastled = false;
    List1->clear();
    List2->clear();
    Undo->setEnabled(false);
    currentPosition_ = 0;
    selectedHalfMove_ = 0;
    for (QPushButton* button : CmdNavigate)
        button->setEnabled(false);
    holdBlackFirst();
    Updatelist();
    UpdateDoubleList();
}

// ---- Closing

std::vector<std::string> FrmGE::listedMoveLines() const
{
    const auto san = [](const QListWidgetItem* item) {
        const QString text = item->text();
        return text.mid(text.indexOf(QLatin1Char('.')) + 1).trimmed().toLatin1().toStdString();
    };
    std::vector<std::string> lines;
    for (int i = 0; i < List1->count(); ++i) {
        const std::string black = i < List2->count() ? san(List2->item(i)) : std::string();
        // White's empty field of a game where Black moves first, and no Black move yet.
        if (black.empty() && san(List1->item(i)).empty())
            continue;
        lines.push_back(moveLine(i + firstMove(), san(List1->item(i)), black));
    }
    return lines;
}

void FrmGE::OK_Click()
{
    moveLines_ = listedMoveLines();
    accept();
}

void FrmGE::Command2_Click()
{
    reject();
}

void FrmGE::reject()
{
    // Esc and the close box end here too: moves entered since the editor opened
    // are only thrown away when the user says so.
    if (listedMoveLines() != openedWith_ &&
        dialogs_.message(kDiscardQuestion, MsgIcon::Question, MsgButtons::YesNo) != MsgAnswer::Yes)
        return;
    QDialog::reject();
}

std::optional<std::vector<std::string>> FrmGE::editGame(const std::vector<std::string>& moveLines, Dialogs& dialogs,
                                                        EditorServices services, QWidget* parent,
                                                        const GameStart& start)
{
    FrmGE editor(dialogs, std::move(services), parent);
    editor.setStart(start);
    editor.loadMoveLines(moveLines);
    if (editor.exec() != QDialog::Accepted)
        return std::nullopt;
    return editor.moveLines();
}

} // namespace morvane
