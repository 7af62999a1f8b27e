#include "pgn_import_tab.h"

#include "progress_box.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

#include "busy_cursor.h"
#include "dialog_parts.h"
#include "dialogs.h"
#include "file_io.h"
#include "match_list_model.h"
#include "qt_dialogs.h"
#include "settings_store.h"
#include "shown_match_list.h"

namespace morvane {

namespace {

const char* const kPgnFilter = "PGN file (*.pgn);;Text file (*.txt);;Allfiles (*)";

} // namespace

PgnImportTab::PgnImportTab(Config& config, Dialogs& dialogs, QString appPath, QWidget* parent)
    : QWidget(parent), config_(config), dialogs_(dialogs), appPath_(std::move(appPath))
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(productHeading(this));
    auto* box = new QGroupBox(QStringLiteral("Select Match"), this);
    auto* grid = new QGridLayout(box);

    auto* label23 = new QLabel(QStringLiteral("Current PGN File:"), box);
    label23->setObjectName(QStringLiteral("Label23"));
    grid->addWidget(label23, 0, 0);
    Location_ = new QLabel(box);
    Location_->setTextFormat(Qt::PlainText);
    Location_->setObjectName(QStringLiteral("Location"));
    Location_->setFrameShape(QFrame::Panel);
    Location_->setFrameShadow(QFrame::Sunken);
    Location_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    grid->addWidget(Location_, 0, 1);

    auto* filter = new QHBoxLayout;
    filter->addWidget(new QLabel(QStringLiteral("Filter:"), box));
    txtFilter_ = new QLineEdit(box);
    txtFilter_->setObjectName(QStringLiteral("txtFilter"));
    txtFilter_->setClearButtonEnabled(true);
    filter->addWidget(txtFilter_, 1);
    grid->addLayout(filter, 1, 0, 1, 2);

    model_ = new MatchListModel(this);
    shown_ = new ShownMatchList(*model_, this);
    List1_ = new QListView(box);
    List1_->setObjectName(QStringLiteral("List1"));
    List1_->setModel(shown_);
    List1_->setUniformItemSizes(true);
    List1_->setSelectionMode(QAbstractItemView::SingleSelection);
    List1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    List1_->setTextElideMode(Qt::ElideRight);
    grid->addWidget(List1_, 2, 0, 1, 2);

    auto* status = new QHBoxLayout;
    lblNumImported_ = new QLabel(box);
    lblNumImported_->setObjectName(QStringLiteral("lblNumImported"));
    status->addWidget(lblNumImported_);
    status->addStretch(1);
    Match_ = new QLabel(QStringLiteral("Match # will be played first."), box);
    Match_->setObjectName(QStringLiteral("Match"));
    Match_->hide();
    status->addWidget(Match_);
    grid->addLayout(status, 3, 0, 1, 2);

    auto* buttons = new QHBoxLayout;
    Command9_ = new QPushButton(QStringLiteral("PGN &Import..."), box);
    Command9_->setObjectName(QStringLiteral("Command9"));
    Command6_ = new QPushButton(QStringLiteral("&Edit Game"), box);
    Command6_->setObjectName(QStringLiteral("Command6"));
    Command7_ = new QPushButton(QStringLiteral("&New Game"), box);
    Command7_->setObjectName(QStringLiteral("Command7"));
    buttons->addWidget(Command9_);
    buttons->addStretch(1);
    buttons->addWidget(Command6_);
    buttons->addWidget(Command7_);
    grid->addLayout(buttons, 4, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    layout->addWidget(box, 1);

    connect(Command9_, &QPushButton::clicked, this, &PgnImportTab::Command9_Click);
    connect(Command6_, &QPushButton::clicked, this, &PgnImportTab::editGameClicked);
    connect(Command7_, &QPushButton::clicked, this, &PgnImportTab::newGameClicked);
    connect(List1_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &PgnImportTab::List1_Click);
    connect(txtFilter_, &QLineEdit::textChanged, this, &PgnImportTab::filterChanged);
}

const std::vector<GameSpan>& PgnImportTab::games() const
{
    return shown_->games();
}

bool PgnImportTab::filterHidesEveryGame() const
{
    return model_->rowCount() > 0 && shown_->rowCount() == 0;
}

void PgnImportTab::showCount()
{
    lblNumImported_->setText(QString::number(shown_->rowCount()) + QStringLiteral(" games found"));
}

// The game of the match list's row `sourceRow` when it is shown, else the first shown.
void PgnImportTab::selectGame(int sourceRow)
{
    const int row = shown_->rowOf(sourceRow);
    if (shown_->rowCount() > 0)
        List1_->setCurrentIndex(shown_->index(row >= 0 ? row : 0));
}

void PgnImportTab::filterChanged(const QString& typed)
{
    const int keep = shown_->sourceRow(selectedEntry());
    if (shown_->tagsRead() || typed.trimmed().isEmpty()) {
        shown_->setFilter(typed);
    } else {
        ProgressBox progress(this, QStringLiteral("Reading the games' tags"));
        shown_->setFilter(typed, [&progress](std::int64_t done, std::int64_t total) { progress.step(done, total); });
    }
    if (model_->rowCount() == 0)
        return;
    showCount();
    selectGame(keep);
    if (shown_->rowCount() == 0)
        Match_->hide();
    // A match of no games would leave the screensaver nothing to play.
    emit applyAllowed(shown_->rowCount() > 0);
}

int PgnImportTab::selectedEntry() const
{
    const QModelIndex current = List1_->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void PgnImportTab::setCurrentFile(const QString& path)
{
    currentFile_ = path;
    Location_->setText(path);
    Location_->setToolTip(path);
}

void PgnImportTab::load()
{
    currentFile_ = displayText(config_.get("PGNFile", appPath_.toStdString() + "default.pgn"));
    if (currentFile_.trimmed().isEmpty() || !isExistingFile(currentFile_.trimmed())) {
        dialogs_.message("The specfied PGN file is not found, Loading Default", MsgIcon::Critical);
        const QString fallback = appPath_ + QStringLiteral("default.pgn");
        if (!isExistingFile(fallback)) {
            dialogs_.message("Default File Not found, please specify a PGN file", MsgIcon::Critical);
            return;
        }
        currentFile_ = fallback;
    }
    setCurrentFile(currentFile_);
    GetGames(currentFile_);
    // Apply stores the selected entry, so opening on the first one would quietly
    // replace the stored choice at the next OK.
    const double first = numericValue(config_.get("FirstGame", "1"));
    if (first >= 1 && first <= shown_->rowCount())
        List1_->setCurrentIndex(shown_->index(static_cast<int>(first) - 1));
}

void PgnImportTab::GetGames(QString& fileName)
{
    if (!isExistingFile(fileName.trimmed()))
        return;
    fileName = fileName.trimmed();
    QString error;
    const std::string path = fileName.toStdString();
    std::vector<GameSpan> found;
    // Two passes: the checksum, then the games (each about half of the box).
    ProgressBox progress(this, QStringLiteral("Reading ") + fileName);
    const auto stamp =
        readFileStamp(fileName, &error, [&progress](qint64 done, qint64 size) { progress.step(done, 2 * size); });
    const qint64 size = stamp ? stamp->size : 0;
    const auto onGame = [&found, &progress, size](const GameSpan& span) {
        found.push_back(span);
        progress.step(size + span.begin, 2 * size);
    };
    if (stamp && IndexGameFile(path, onGame) < 0)
        error = QStringLiteral("the file cannot be read");
    if (!stamp || !error.isEmpty()) {
        model_->clear();
        shown_->sourceListed();
        dialogs_.message("The PGN file could not be read:\r\n" + fileName.toStdString() + "\r\n" + error.toStdString(),
                         MsgIcon::Critical);
        return;
    }
    listedStamp_ = *stamp;
    if (found.empty()) {
        model_->clear();
        shown_->sourceListed();
        return;
    }
    model_->setGames(path, std::move(found));
    shown_->sourceListed();
    emit applyAllowed(shown_->rowCount() > 0);
    showCount();
    selectGame(0);
}

void PgnImportTab::rescan()
{
    const int keep = shown_->sourceRow(selectedEntry());
    QString file = currentFile_;
    GetGames(file);
    if (keep >= 0)
        selectGame(keep);
}

void PgnImportTab::Command9_Click()
{
    emit applyAllowed(false);
    const std::string lastDir = config_.get("LastDir", appPath_.toStdString());
    const auto chosen = dialogs_.openFile("Choose PGN file", lastDir, kPgnFilter);
    if (!chosen || chosen->empty())
        return;
    QString path = QString::fromStdString(*chosen);
    config_.save("LastDir", QDir::toNativeSeparators(QFileInfo(path).absolutePath() + QLatin1Char('/')).toStdString());
    setCurrentFile(path);
    const BusyCursor busy;
    GetGames(currentFile_);
}

void PgnImportTab::List1_Click()
{
    const int entry = selectedEntry();
    if (entry < 0)
        return;
    Match_->setText(QStringLiteral("Match ") + QString::number(entry + 1) + QStringLiteral(" will be played first"));
    Match_->show();
}

} // namespace morvane
