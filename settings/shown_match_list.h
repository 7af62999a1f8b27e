#pragma once
// The rows the PGN Import tab shows: the games of the match list that pass the
// filter, each row naming White and Black first, then event and date, so that
// games of one event can be told apart. The entry text and tooltip are the
// match list's own.

#include <QAbstractListModel>

#include <string>
#include <vector>

#include "match_filter.h"

namespace morvane {

class MatchListModel;

class ShownMatchList : public QAbstractListModel {
    Q_OBJECT
public:
    ShownMatchList(MatchListModel& source, QObject* parent = nullptr);

    // After the match list listed a file's games: applies the current filter again.
    void sourceListed();
    // Keeps only the games whose tags hold every word of `typed`; `onGame`
    // hears of each game whose tags are read (only the first word after a
    // listing reads them).
    void setFilter(const QString& typed, const MatchFilter::Progress& onGame = {});
    bool tagsRead() const { return tagsRead_; }

    // The shown games, in the order shown.
    const std::vector<GameSpan>& games() const;
    // The row of the match list's game `sourceRow`; -1 when it is not shown.
    int rowOf(int sourceRow) const;
    int sourceRow(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    void apply(const MatchFilter::Progress& onGame = {});

    MatchListModel& source_;
    MatchFilter filter_;
    QString typed_;
    bool tagsRead_ = false;
    bool filtered_ = false;         // a word is typed
    std::vector<std::size_t> rows_; // match list rows shown while filtered
    std::vector<GameSpan> games_;   // their spans
};

} // namespace morvane
