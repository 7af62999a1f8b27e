#pragma once
// The match list: one row per game of the scanned file. A row's text is built
// only when the view asks for it, so files with hundreds of thousands of games
// list at once.

#include <QAbstractListModel>

#include <memory>
#include <string>
#include <vector>

#include "game_index.h"

namespace morvane {

class MatchListModel : public QAbstractListModel {
    Q_OBJECT
public:
    // The entry exactly as the scan builds it ("3- " and the tags, line breaks
    // kept); DisplayRole shows it on one line.
    static constexpr int EntryTextRole = Qt::UserRole + 1;

    explicit MatchListModel(QObject* parent = nullptr);

    void setGames(std::shared_ptr<const std::string> fileText, std::vector<GameSpan> games);
    void clear();

    const std::vector<GameSpan>& games() const { return games_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    std::shared_ptr<const std::string> text_;
    std::vector<GameSpan> games_;
};

} // namespace morvane
