#include "game_entry_tab.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringDecoder>
#include <QVBoxLayout>

#include "clean_pgn.h"
#include "dialog_parts.h"
#include "dialogs.h"
#include "file_io.h"
#include "game_text.h"
#include "move_line.h"
#include "move_list.h"
#include "pgn_writer.h"

namespace morvane {

namespace {

const QString kFileNamePrefix = QStringLiteral("File name : ");
const char* const kPgnFilter = "PGN file (*.pgn);;Text file (*.txt);;Allfiles (*)";
const QString kCrLf = QStringLiteral("\r\n");

bool isUtf8(const std::string& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString decoded = decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return !decoder.hasError();
}

QLineEdit* lineEdit(const char* name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

QPushButton* button(const char* caption, const char* name, QWidget* parent)
{
    auto* b = new QPushButton(QString::fromLatin1(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

// The save dialogs offer "*.pgn" first: a name typed without an extension gets it,
// or the open dialog's default filter would hide the file.
QString withPgnExtension(const QString& path)
{
    return QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".pgn") : path;
}

} // namespace

GameEntryTab::GameEntryTab(Dialogs& dialogs, QString appPath, GameEditorLauncher editor, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs), appPath_(std::move(appPath)), editor_(std::move(editor))
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(productHeading(this));
    auto* columns = new QHBoxLayout;
    columns->addWidget(buildTags(), 1);
    columns->addWidget(buildMoves(), 1);
    layout->addLayout(columns, 1);
    FileName2_ = new QLabel(kFileNamePrefix, this);
    FileName2_->setTextFormat(Qt::PlainText);
    FileName2_->setObjectName(QStringLiteral("FileName2"));
    FileName2_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    layout->addWidget(FileName2_);
    showMoveNumber();
}

QWidget* GameEntryTab::buildTags()
{
    auto* box = new QGroupBox(QStringLiteral("Game Information"), this);
    auto* grid = new QGridLayout(box);
    const std::pair<const char*, QLineEdit**> rows[] = {{"Event:", &EventNM_},
                                                        {"Site:", &Site_},
                                                        {"Date:", &DateNM_},
                                                        {"White Player:", &White_},
                                                        {"Black Player:", &Black_}};
    const char* const names[] = {"EventNM", "Site", "DateNM", "White", "Black"};
    int row = 0;
    for (const auto& [caption, edit] : rows) {
        *edit = lineEdit(names[row], box);
        auto* label = new QLabel(QString::fromLatin1(caption), box);
        label->setBuddy(*edit);
        grid->addWidget(label, row, 0);
        grid->addWidget(*edit, row, 1);
        ++row;
    }
    grid->addWidget(new QLabel(QStringLiteral("Result:"), box), row, 0);
    cmbResult_ = new QComboBox(box);
    cmbResult_->setObjectName(QStringLiteral("cmbResult"));
    cmbResult_->addItems({QStringLiteral("White Wins"), QStringLiteral("Black Wins"), QStringLiteral("Drawn Game"),
                          QStringLiteral("Unkown Result"), QStringLiteral("Game Incompleted!")});
    cmbResult_->setCurrentIndex(-1);
    grid->addWidget(cmbResult_, row, 1);
    grid->setRowStretch(row + 1, 1);

    Command14_ = button("&Graphical Entry", "Command14", box);
    Command14_->setToolTip(QStringLiteral("Enter your game using a chess board."));
    Command14_->setEnabled(static_cast<bool>(editor_));
    Save_ = button("&Save Game", "Save", box);
    SaveAs_ = button("S&ave As...", "SaveAs", box);
    Command15_ = button("&Finish", "Command15", box);
    Command15_->hide();
    Save_->setEnabled(false);
    SaveAs_->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command14_);
    buttons->addStretch(1);
    buttons->addWidget(Save_);
    buttons->addWidget(SaveAs_);
    grid->addLayout(buttons, row + 2, 0, 1, 2);

    connect(Command14_, &QPushButton::clicked, this, &GameEntryTab::Command14_Click);
    connect(Save_, &QPushButton::clicked, this, &GameEntryTab::Save_Click);
    connect(SaveAs_, &QPushButton::clicked, this, &GameEntryTab::SaveAs_Click);
    // A corrected tag is a change like a new move: it enables saving and is guarded on closing.
    for (QLineEdit* field : {EventNM_, Site_, DateNM_, White_, Black_})
        connect(field, &QLineEdit::textEdited, this, &GameEntryTab::markChanged);
    connect(cmbResult_, &QComboBox::activated, this, &GameEntryTab::markChanged);
    return box;
}

QWidget* GameEntryTab::buildMoves()
{
    auto* box = new QGroupBox(QStringLiteral("Moves"), this);
    auto* grid = new QGridLayout(box);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    List2_ = new QListWidget(box);
    List2_->setObjectName(QStringLiteral("List2"));
    List2_->setFont(fixed);
    grid->addWidget(List2_, 0, 0, 1, 3);

    MoveNum_ = new QLabel(box);
    MoveNum_->setObjectName(QStringLiteral("MoveNum"));
    MoveNum_->setFont(fixed);
    WhiteMove_ = lineEdit("WhiteMove", box);
    BlackMove_ = lineEdit("BlackMove", box);
    WhiteMove_->setFont(fixed);
    BlackMove_->setFont(fixed);
    grid->addWidget(MoveNum_, 1, 0);
    grid->addWidget(WhiteMove_, 1, 1);
    grid->addWidget(BlackMove_, 1, 2);

    New_ = button("New &Move", "New", box);
    Update_ = button("&Update", "Update", box);
    grid->addWidget(New_, 2, 1);
    grid->addWidget(Update_, 2, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);

    connect(New_, &QPushButton::clicked, this, &GameEntryTab::New_Click);
    connect(Update_, &QPushButton::clicked, this, &GameEntryTab::Update_Click);
    connect(List2_, &QListWidget::itemClicked, this, &GameEntryTab::List2_Click);
    // Enter in the black move's box stores the line, as the Update button does.
    connect(BlackMove_, &QLineEdit::returnPressed, this, &GameEntryTab::Update_Click);
    return box;
}

void GameEntryTab::showMoveNumber()
{
    MoveNum_->setText(QString::number(moveNumber_) + QLatin1Char('.'));
}

void GameEntryTab::setTarget(const QString& path)
{
    FileName2_->setText(kFileNamePrefix + path);
    FileName2_->setToolTip(path);
}

std::vector<std::string> GameEntryTab::moveLines() const
{
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(List2_->count()));
    for (int i = 0; i < List2_->count(); ++i)
        lines.push_back(List2_->item(i)->text().toStdString());
    return lines;
}

void GameEntryTab::rebuildMoveText()
{
    moveText_.clear();
    for (int i = 0; i < List2_->count(); ++i)
        moveText_ += List2_->item(i)->text() + kCrLf;
}

void GameEntryTab::markChanged()
{
    gameSaved_ = false;
    Save_->setEnabled(true);
    SaveAs_->setEnabled(true);
}

bool GameEntryTab::writable(const char* caption, const QString& text)
{
    // Every reader finds games by this text, so inside a game it would split it in two.
    if (text.contains(QLatin1String("[Event "))) {
        dialogs_.message(std::string("The ") + caption +
                             " field holds \"[Event \", which would start another game inside this one. "
                             "Change it, then save again.",
                         MsgIcon::Critical);
        return false;
    }
    // A file keeps one encoding: UTF-8 bytes inside Latin-1 text would show as
    // garbage there, and the file would then be neither.
    if (!latin1File_)
        return true;
    for (const char32_t c : text.toUcs4()) {
        if (c <= 0xFF)
            continue;
        const QString shown = QString::fromUcs4(&c, 1);
        dialogs_.message(
            "The character \"" + shown.toStdString() + "\" (U+" +
                QString::number(static_cast<uint>(c), 16).toUpper().rightJustified(4, QLatin1Char('0')).toStdString() +
                ") in the " + caption +
                " field cannot be written into this file, whose text is in Latin-1. "
                "Replace it, then save again.",
            MsgIcon::Critical);
        return false;
    }
    return true;
}

std::string GameEntryTab::encoded(const QString& text) const
{
    const QByteArray bytes = latin1File_ ? text.toLatin1() : text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

GameEntryTab::LoadResult GameEntryTab::loadGame(const QString& pgnFile, const GameSpan& span, const FileStamp& listed)
{
    QString error = QStringLiteral("The file does not exist.");
    auto snapshot = isExistingFile(pgnFile) ? readFileSnapshot(pgnFile, &error) : std::nullopt;
    if (!snapshot) {
        dialogs_.message("The PGN file could not be read:\r\n" + pgnFile.toStdString() + "\r\n" + error.toStdString(),
                         MsgIcon::Critical);
        return LoadResult::Unreadable;
    }
    // Positions found in other bytes would cut the game in the wrong places, and
    // saving would then corrupt the file.
    if (snapshot->stamp != listed)
        return LoadResult::FileChanged;
    const std::string& text = snapshot->bytes;
    auto cut = CutGame(text, span);
    if (!cut)
        return LoadResult::FileChanged;
    sourceFile_ = pgnFile;
    sourceStamp_ = snapshot->stamp;
    latin1File_ = !isUtf8(text);
    textBefore_ = std::move(cut->before);
    textAfter_ = std::move(cut->after);
    const std::string& game = cut->game;

    auto decoded = [this](const std::string& bytes) {
        return latin1File_ ? QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()))
                           : QString::fromStdString(bytes);
    };
    EventNM_->setText(decoded(QuotedTagValue(game, "[Event \"")));
    White_->setText(decoded(QuotedTagValue(game, "[White \"")));
    Black_->setText(decoded(QuotedTagValue(game, "[Black \"")));
    Site_->setText(decoded(QuotedTagValue(game, "[Site \"")));
    DateNM_->setText(decoded(QuotedTagValue(game, "[Date \"")));
    setUpTags_.clear();
    for (const char* name : {"SetUp", "FEN", "Variant"}) {
        const std::string opening = std::string("[") + name + " \"";
        if (game.find(opening) != std::string::npos)
            setUpTags_ += opening + QuotedTagValue(game, opening) + "\"]" + "\r\n";
    }
    const StartOf start = gameStart(game);
    start_ = start.kind == StartKind::FromFen ? start.start : GameStart{};
    const auto ownResult = ResultTagValue(game);
    if (ownResult)
        resultTag_ = *ownResult;
    const auto showResult = [this](const std::string& result) {
        const char* const markers[] = {"1-0", "0-1", "1/2-1/2", "*"};
        for (int i = 0; i < 4; ++i)
            if (result == markers[i])
                cmbResult_->setCurrentIndex(i);
    };
    showResult(resultTag_);
    setTarget(pgnFile);

    const CleanResult cleaned = CleanPGN(game);
    if (cleaned.imbalance != Imbalance::None)
        dialogs_.message(imbalanceMessage(cleaned.imbalance), MsgIcon::Critical);
    std::vector<std::string> lines;
    std::string gameResult;
    ListStartMoves(cleaned.text, start_, lines, gameResult, resultTag_);
    // The lines may be numbered from 1 whatever the FEN says: they decide.
    if (!lines.empty())
        start_.firstMove = static_cast<int>(SplitMoveLine(lines.front()).number);
    // A game that ended after White's move has its marker in Black's field: it is the
    // result, not a move, or the editor makes Black's move of it and a save writes it twice.
    if (!lines.empty()) {
        const MoveLineFields last = SplitMoveLine(lines.back());
        if (isTerminationMarker(last.black)) {
            lines.back() = MoveLine(last.numberCaption, last.white, "");
            if (!ownResult)
                showResult(last.black);
        }
    }
    List2_->clear();
    for (const std::string& line : lines)
        List2_->addItem(decoded(line));
    rebuildMoveText();
    moveNumber_ = List2_->count() + start_.firstMove;
    showMoveNumber();
    WhiteMove_->clear();
    BlackMove_->clear();
    return LoadResult::Loaded;
}

bool GameEntryTab::startNewGame(const QString& pgnFile)
{
    FileSnapshot before;
    if (!pgnFile.trimmed().isEmpty()) {
        QString error;
        auto snapshot = readFileSnapshot(pgnFile.trimmed(), &error);
        if (!snapshot) {
            dialogs_.message("The PGN file could not be read:\r\n" + pgnFile.toStdString() + "\r\n" +
                                 error.toStdString(),
                             MsgIcon::Critical);
            return false;
        }
        before = std::move(*snapshot);
    }
    sourceFile_ = pgnFile.trimmed();
    sourceStamp_ = before.stamp;
    latin1File_ = !isUtf8(before.bytes);
    textBefore_ = std::move(before.bytes);
    textAfter_.clear();
    setUpTags_.clear();
    start_ = GameStart{};
    for (QLineEdit* field : {EventNM_, White_, Black_, DateNM_, Site_})
        field->clear();
    List2_->clear();
    // The moves of the game shown before are gone from the list, so they must not
    // be written under the new game's tags either.
    moveText_.clear();
    New_Click();
    setTarget(pgnFile);
    return true;
}

void GameEntryTab::New_Click()
{
    WhiteMove_->clear();
    BlackMove_->clear();
    moveNumber_ = List2_->count() + start_.firstMove;
    showMoveNumber();
}

void GameEntryTab::Update_Click()
{
    if (!CheckMove(WhiteMove_->text()) || !CheckMove(BlackMove_->text())) {
        dialogs_.message("  Invalid Move           ", MsgIcon::Critical);
        return;
    }
    const std::string line =
        MoveLine(MoveNum_->text().toStdString(), WhiteMove_->text().toStdString(), BlackMove_->text().toStdString());
    const int index = moveNumber_ - start_.firstMove;
    if (index >= 0 && index < List2_->count())
        List2_->item(index)->setText(QString::fromStdString(line));
    else
        List2_->addItem(QString::fromStdString(line));
    rebuildMoveText();
    ++moveNumber_;
    markChanged();
    New_Click();
    WhiteMove_->setFocus();
}

void GameEntryTab::List2_Click()
{
    const QListWidgetItem* item = List2_->currentItem();
    if (!item)
        return;
    const MoveLineFields fields = SplitMoveLine(item->text().toStdString());
    MoveNum_->setText(QString::fromStdString(fields.numberCaption));
    WhiteMove_->setText(QString::fromStdString(fields.white));
    BlackMove_->setText(QString::fromStdString(fields.black));
    moveNumber_ = static_cast<int>(fields.number);
}

void GameEntryTab::Command14_Click()
{
    if (!editor_)
        return;
    if (const auto lines = editor_(moveLines()))
        takeEditorMoves(*lines);
}

void GameEntryTab::takeEditorMoves(const std::vector<std::string>& lines)
{
    List2_->clear();
    moveText_.clear();
    for (const std::string& line : lines) {
        List2_->addItem(QString::fromStdString(line));
        moveText_ += QString::fromStdString(line) + kCrLf;
    }
    markChanged();
    New_Click();
}

void GameEntryTab::Save_Click()
{
    QString target;
    if (FileName2_->text().trimmed() == kFileNamePrefix.trimmed()) {
        const auto chosen = dialogs_.saveFile("Choose PGN file", appPath_.toStdString(), kPgnFilter);
        if (!chosen || chosen->empty())
            return;
        target = withPgnExtension(QString::fromStdString(*chosen));
        setTarget(target);
    } else {
        target = FileName2_->text().mid(kFileNamePrefix.size() - 1);
    }
    const MsgAnswer answer = dialogs_.message(
        "Caution. If you are editing this game from an existing file, all comments in the current game will be "
        "removed. Are you sure you want to continue?",
        MsgIcon::Question, MsgButtons::YesNo);
    if (answer == MsgAnswer::Yes)
        DoSave(target);
}

void GameEntryTab::SaveAs_Click()
{
    const auto chosen = dialogs_.saveFile("Choose PGN file", appPath_.toStdString(), kPgnFilter);
    if (!chosen || chosen->empty())
        return;
    QString target = withPgnExtension(QString::fromStdString(*chosen));
    DoSave(target);
}

bool GameEntryTab::DoSave(QString& fileName)
{
    if (moveText_.isEmpty()) {
        dialogs_.message("There are no moves in this game, it can't be saved", MsgIcon::Critical);
        return false;
    }
    const bool incomplete = EventNM_->text().isEmpty() || DateNM_->text().isEmpty() || Black_->text().isEmpty() ||
                            White_->text().isEmpty() || Site_->text().isEmpty();
    if (incomplete && dialogs_.message("Games Information is incomplete, are you sure you want to save it?",
                                       MsgIcon::Question, MsgButtons::YesNo) != MsgAnswer::Yes)
        return false;
    const std::pair<const char*, QLineEdit*> fields[] = {
        {"Event", EventNM_}, {"Site", Site_}, {"Date", DateNM_}, {"White Player", White_}, {"Black Player", Black_}};
    for (const auto& [caption, field] : fields)
        if (!writable(caption, field->text()))
            return false;
    if (!writable("Moves", moveText_))
        return false;
    PgnGame game;
    game.event = encoded(EventNM_->text());
    game.site = encoded(Site_->text());
    game.date = encoded(DateNM_->text());
    game.white = encoded(White_->text());
    game.black = encoded(Black_->text());
    game.result = ResultForChoice(cmbResult_->currentIndex());
    game.moveText = encoded(moveText_);
    game.setUpTags = setUpTags_;
    fileName = fileName.trimmed();
    if (changedSinceRead(fileName))
        return false;
    const std::string bytes = PgnFileText(textBefore_, game, textAfter_);
    const FileResult written = replaceFileContents(fileName, bytes);
    if (!written.ok) {
        dialogs_.message("The game could not be saved to\r\n" + fileName.toStdString() + "\r\n" +
                             written.error.toStdString() + "\r\nThe file was left as it was.",
                         MsgIcon::Critical);
        return false;
    }
    // The file now holds TextBefore, this game and TextAfter, so the next save may
    // replace it again.
    sourceFile_ = fileName;
    sourceStamp_ = stampOf(fileName, bytes);
    Save_->setEnabled(false);
    setTarget(fileName);
    gameSaved_ = true;
    emit fileWritten(fileName);
    return true;
}

// Writing TextBefore and TextAfter over a file another program has changed since
// they were read would silently undo that program's changes.
bool GameEntryTab::changedSinceRead(const QString& fileName)
{
    if (sourceFile_.isEmpty() || QFileInfo(fileName) != QFileInfo(sourceFile_))
        return false;
    QString error;
    const auto now = readFileSnapshot(fileName, &error);
    if (now && now->stamp == sourceStamp_)
        return false;
    dialogs_.message("The PGN file\r\n" + fileName.toStdString() +
                         "\r\nhas changed since this game was read from it, so the game was not saved and the file "
                         "was left as it is. The games are listed again now; what you entered is kept and can be "
                         "saved with Save As, or use Edit Game or New Game to start from the file as it is now.",
                     MsgIcon::Critical);
    emit fileChangedElsewhere(fileName);
    return true;
}

} // namespace morvane
