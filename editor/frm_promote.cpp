#include "frm_promote.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace morvane {

namespace {

constexpr std::array<const char*, 4> kCaptions = {"Rook", "Knight", "Bishop", "Queen"};
constexpr int kWhiteBase = quill::Wrook;
constexpr int kBlackBase = quill::Brook;

} // namespace

FrmPromote::FrmPromote(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmPromote"));
    setWindowTitle(QStringLiteral("Promote a pawn"));
    // No close button: a promotion always takes place.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto* layout = new QVBoxLayout(this);
    Label1_ = new QLabel(QStringLiteral("Please select the piece you want to promote your pawn to:"), this);
    Label1_->setObjectName(QStringLiteral("Label1"));
    layout->addWidget(Label1_);
    for (int i = 0; i < static_cast<int>(Option1_.size()); ++i) {
        auto* option = new QRadioButton(QString::fromLatin1(kCaptions[static_cast<std::size_t>(i)]), this);
        option->setObjectName(QStringLiteral("Option1(%1)").arg(i));
        connect(option, &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
        layout->addWidget(option);
        Option1_[static_cast<std::size_t>(i)] = option;
    }
    Command1_ = new QPushButton(QStringLiteral("OK"), this);
    Command1_->setObjectName(QStringLiteral("Command1"));
    Command1_->setDefault(true);
    connect(Command1_, &QPushButton::clicked, this, &FrmPromote::Command1_Click);
    layout->addWidget(Command1_, 0, Qt::AlignHCenter);

    Form_Load();
}

void FrmPromote::Form_Load()
{
    // Each promotion starts from Queen, chosen as if clicked.
    Option1_[Queen]->setChecked(true);
    Option1_Click(Queen);
}

void FrmPromote::Option1_Click(int index)
{
    promoteChoice_ = index;
}

void FrmPromote::Command1_Click()
{
    accept();
}

quill::PieceNum FrmPromote::codeFor(int choice, int side)
{
    return static_cast<quill::PieceNum>(choice + (side == 1 ? kWhiteBase : kBlackBase));
}

quill::PieceNum FrmPromote::Promote(int side, QWidget* owner)
{
    FrmPromote dialog(owner);
    // Escape closes the dialog too; the choice stands all the same.
    dialog.exec();
    return codeFor(dialog.PromoteChoice(), side);
}

} // namespace morvane
