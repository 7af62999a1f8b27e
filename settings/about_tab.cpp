#include "about_tab.h"

#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialog_parts.h"
#include "link_label.h"

namespace morvane {

namespace {

const char* const kReadme =
    "Morvane 3.0 is a chess screensaver. When the desktop has been idle it replays the games of a PGN file "
    "on a chessboard, one half-move at a time, with the players, the event and the date beside the board, a "
    "scrolling list of the moves, a status line for checks and results, and a sound for each move, capture "
    "and castling.\n\n"
    "Using it\n"
    "  morvane3 /S       run the screensaver full screen; move the mouse, press a button or type a key to "
    "end it; a lowercase r turns the board round.\n"
    "  morvane3 /P <id>  show the live preview inside the window <id>.\n"
    "  morvane3 /C       open these settings (so does morvane3 with no switch; /E opens them on PGN Import).\n\n"
    "The settings\n"
    "  Setup: seconds between moves and between games, random order, the move list, the font and colours of "
    "the screen, the board style and which side is at the bottom.\n"
    "  Sound: mute everything, or choose which sounds play and their WAV files; the play buttons let you "
    "listen to them.\n"
    "  PGN Import: choose the PGN file to play. Every game found is listed; the one you select is played "
    "first.\n"
    "  Game Entry: Edit Game (on PGN Import) loads the selected game, New Game starts one to be added to "
    "the file. Type each move pair and press Update, or use Graphical Entry to make the moves on a board. "
    "Save Game writes the game into the file; Save As writes the file under another name. Comments and "
    "variations of an edited game are not kept.\n\n"
    "Apply stores the settings, OK stores them and closes, Cancel closes without storing.";

const char* const kLicenceMissing =
    "Morvane3 is released under the MIT licence by The Morvane3 authors. The LICENSE file that holds the full "
    "text was not found beside this program.";

QString licenceText()
{
    QFile file(QStringLiteral(":/about/LICENSE"));
    if (file.open(QIODevice::ReadOnly))
        return QString::fromUtf8(file.readAll());
    return QString::fromLatin1(kLicenceMissing);
}

QPlainTextEdit* longText(const char* name, const QString& text, QWidget* parent)
{
    auto* box = new QPlainTextEdit(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    box->hide();
    return box;
}

} // namespace

AboutTab::AboutTab(const QString& appPath, const QString& settingsPath, QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(productHeading(this));

    auto* links = new QGridLayout;
    auto addLink = [&](int index, const char* caption, const QString& address) {
        links->addWidget(new QLabel(QString::fromLatin1(caption), this), index, 0);
        auto* link = new LinkLabel(address, this);
        link->setObjectName(arrayName("lblUrl", index));
        links->addWidget(link, index, 1);
    };
    const QString readme = shippedFile(appPath, QStringLiteral("README.md"));
    const QString licence = shippedFile(appPath, QStringLiteral("LICENSE"));
    addLink(0, "Available from:", readme.isEmpty() ? QStringLiteral("README.md") : readme);
    addLink(1, "Licence:", licence.isEmpty() ? QStringLiteral("LICENSE") : licence);
    addLink(2, "Built with Qt:", QStringLiteral("https://www.qt.io/"));
    addLink(3, "Settings kept with SQLite:", QStringLiteral("https://www.sqlite.org/"));
    links->setColumnStretch(1, 1);
    layout->addLayout(links);

    auto* notice = new QLabel(QStringLiteral("Copyright (c) The Morvane3 authors. Free software under the MIT "
                                             "licence: see \"License Info\"."),
                              this);
    notice->setWordWrap(true);
    layout->addWidget(notice);

    // The program information lies under the two long texts; the buttons choose
    // which of the three is on top.
    auto* stack = new QGridLayout;
    programInfo_ =
        new QLabel(QStringLiteral("Morvane 3.0, version %1\nA chess screensaver with its own settings "
                                  "dialog and game editor.\n\nBuilt with Qt %2.\nData folder: %3\n"
                                  "Settings file: %4")
                       .arg(QStringLiteral(MORVANE3_VERSION), QString::fromLatin1(qVersion()), appPath, settingsPath),
                   this);
    static_cast<QLabel*>(programInfo_)->setWordWrap(true);
    static_cast<QLabel*>(programInfo_)->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    programInfo_->setObjectName(QStringLiteral("ProgramInfo"));
    Readme_ = longText("Readme", QString::fromLatin1(kReadme), this);
    License_ = longText("License", licenceText(), this);
    stack->addWidget(programInfo_, 0, 0);
    stack->addWidget(Readme_, 0, 0);
    stack->addWidget(License_, 0, 0);
    layout->addLayout(stack, 1);

    auto* frame = new QGroupBox(this);
    auto* buttons = new QHBoxLayout(frame);
    const std::pair<const char*, const char*> captions[] = {
        {"&Read Me", "Command3"}, {"&License Info", "Command4"}, {"&Program Info", "Command5"}};
    void (AboutTab::*handlers[])() = {&AboutTab::Command3_Click, &AboutTab::Command4_Click, &AboutTab::Command5_Click};
    for (std::size_t i = 0; i < 3; ++i) {
        auto* b = new QPushButton(QString::fromLatin1(captions[i].first), frame);
        b->setObjectName(QString::fromLatin1(captions[i].second));
        buttons->addWidget(b);
        connect(b, &QPushButton::clicked, this, handlers[i]);
    }
    layout->addWidget(frame);
}

void AboutTab::Command3_Click()
{
    License_->hide();
    Readme_->show();
    Readme_->raise();
}

void AboutTab::Command4_Click()
{
    Readme_->hide();
    License_->show();
    License_->raise();
}

void AboutTab::Command5_Click()
{
    Readme_->hide();
    License_->hide();
}

} // namespace morvane
