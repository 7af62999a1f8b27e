#include "match_list_model.h"

#include "game_text.h"
#include "qt_dialogs.h"

namespace morvane {

MatchListModel::MatchListModel(QObject* parent) : QAbstractListModel(parent) {}

void MatchListModel::setGames(std::shared_ptr<const std::string> fileText, std::vector<GameSpan> games)
{
    beginResetModel();
    text_ = std::move(fileText);
    games_ = std::move(games);
    endResetModel();
}

void MatchListModel::clear()
{
    setGames(nullptr, {});
}

int MatchListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(games_.size());
}

QVariant MatchListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || !text_)
        return {};
    if (role != Qt::DisplayRole && role != EntryTextRole && role != Qt::ToolTipRole)
        return {};
    const std::string tags = MatchEntryText(*text_, games_[static_cast<std::size_t>(index.row())]);
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
