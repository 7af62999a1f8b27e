#include "match_list_model.h"

#include "game_text.h"
#include "qt_dialogs.h"

namespace morvane {

MatchListModel::MatchListModel(QObject* parent) : QAbstractListModel(parent) {}

namespace {

// A row shows a game's tags; a game whose Black tag lies further in shows its
// first bytes only.
constexpr std::int64_t kRowBytes = 64 * 1024;

} // namespace

void MatchListModel::setGames(std::string path, std::vector<GameSpan> games)
{
    beginResetModel();
    path_ = std::move(path);
    games_ = std::move(games);
    endResetModel();
}

void MatchListModel::clear()
{
    setGames({}, {});
}

int MatchListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(games_.size());
}

std::string_view MatchListModel::gameHead(int row) const
{
    if (row < 0 || row >= rowCount() || !file_.exists(path_))
        return {};
    const GameSpan& span = games_[static_cast<std::size_t>(row)];
    const std::int64_t length = span.end > span.begin ? std::min(span.end - span.begin, kRowBytes) : kRowBytes;
    return file_.read(span.begin, length).value_or(std::string_view());
}

QVariant MatchListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role != Qt::DisplayRole && role != EntryTextRole && role != Qt::ToolTipRole)
        return {};
    const std::string_view game = gameHead(index.row());
    const std::string tags = MatchEntryText(game, GameSpan{1, static_cast<std::int64_t>(game.size()) + 1});
    QString entry = QString::number(index.row() + 1) + QStringLiteral("- ") + displayText(tags);
    if (role == EntryTextRole)
        return entry;
    if (role == Qt::ToolTipRole) {
        entry.remove(QLatin1Char('\r'));
        if (entry.simplified().isEmpty())
            return {};
        // Tooltips take markup as markup; the file's text is shown as written.
        return QStringLiteral("<qt>") + entry.toHtmlEscaped().replace(QLatin1Char('\n'), QLatin1String("<br>")) +
               QStringLiteral("</qt>");
    }
    entry.replace(QLatin1String("\r\n"), QLatin1String(" "));
    entry.replace(QLatin1Char('\n'), QLatin1Char(' '));
    entry.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return entry;
}

} // namespace morvane
