#pragma once
// The match list: one row per game of the scanned file. A row's text is built
// only when the view asks for it, so files with hundreds of thousands of games
// list at once.

#include <QAbstractListModel>

#include <string>
#include <vector>

#include "game_file_reader.h"
#include "game_index.h"

namespace morvane {

class MatchListModel : public QAbstractListModel {
    Q_OBJECT
public:
    // The entry exactly as the scan builds it ("3- " and the tags, line breaks
    // kept); DisplayRole shows it on one line.
    static constexpr int EntryTextRole = Qt::UserRole + 1;

    explicit MatchListModel(QObject* parent = nullptr);

    // Rows read their text from the file at `path` when shown.
    void setGames(std::string path, std::vector<GameSpan> games);
    void clear();

    const std::vector<GameSpan>& games() const { return games_; }
    const std::string& path() const { return path_; }
    // The first bytes of game `row` as the file holds them now (enough for its tags).
    std::string_view gameHead(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    std::string path_;
    std::vector<GameSpan> games_;
    mutable GameFileReader file_;
};

} // namespace morvane
