#include "shown_match_list.h"

#include <algorithm>

#include "match_list_model.h"
#include "qt_dialogs.h"

namespace morvane {

ShownMatchList::ShownMatchList(MatchListModel& source, QObject* parent) : QAbstractListModel(parent), source_(source) {}

void ShownMatchList::sourceListed()
{
    filter_.clear();
    tagsRead_ = false;
    apply();
}

void ShownMatchList::setFilter(const QString& typed, const MatchFilter::Progress& onGame)
{
    typed_ = typed;
    apply(onGame);
}

// With no word typed every listed game is shown as the match list holds it;
// the tags are read only once a word is typed, so a huge file costs no more
// than its list until it is searched.
void ShownMatchList::apply(const MatchFilter::Progress& onGame)
{
    beginResetModel();
    rows_.clear();
    games_.clear();
    filtered_ = !typed_.trimmed().isEmpty();
    if (filtered_) {
        if (!tagsRead_) {
            filter_.load(source_.path(), source_.games(), MatchFilter::kBlockBytes, onGame);
            tagsRead_ = true;
        }
        rows_ = filter_.matching(typed_);
        const auto& all = source_.games();
        games_.reserve(rows_.size());
        for (const std::size_t row : rows_)
            if (row < all.size())
                games_.push_back(all[row]);
    }
    endResetModel();
}

const std::vector<GameSpan>& ShownMatchList::games() const
{
    return filtered_ ? games_ : source_.games();
}

int ShownMatchList::rowOf(int sourceRow) const
{
    if (!filtered_)
        return sourceRow >= 0 && sourceRow < rowCount() ? sourceRow : -1;
    const auto it = std::lower_bound(rows_.begin(), rows_.end(), static_cast<std::size_t>(std::max(sourceRow, 0)));
    return sourceRow >= 0 && it != rows_.end() && *it == static_cast<std::size_t>(sourceRow)
               ? static_cast<int>(it - rows_.begin())
               : -1;
}

int ShownMatchList::sourceRow(int row) const
{
    if (!filtered_)
        return row >= 0 && row < rowCount() ? row : -1;
    return row >= 0 && static_cast<std::size_t>(row) < rows_.size() ? static_cast<int>(rows_[row]) : -1;
}

int ShownMatchList::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(games().size());
}

QVariant ShownMatchList::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role != Qt::DisplayRole)
        return source_.index(sourceRow(index.row())).data(role);
    const GameTags tags = readGameTags(source_.gameHead(sourceRow(index.row())));
    QString row = QString::number(index.row() + 1) + QStringLiteral("- ") + displayText(tags.white) +
                  QStringLiteral(" - ") + displayText(tags.black);
    for (const std::string* more : {&tags.event, &tags.date})
        if (!more->empty())
            row += QStringLiteral(", ") + displayText(*more);
    // One line per row, whatever a value holds.
    for (QChar& c : row)
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\t'))
            c = QLatin1Char(' ');
    return row;
}

} // namespace morvane
