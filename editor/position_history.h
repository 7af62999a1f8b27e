#pragma once
// The editor's positions: one snapshot of the 64 squares per half-move, from
// the start position (0) to the last half-move entered. Undo, navigation and the
// en passant test read them back.

#include <array>
#include <vector>

#include "board_model.h"

namespace morvane {

// Square k (1..64, (row - 1) * 8 + col) is element k - 1.
using Snapshot = std::array<quill::PieceNum, 64>;

class PositionHistory {
public:
    // The board as it stands becomes position `position`; every later position
    // is dropped, since a new move replaces the rest of the game. `position` is
    // at most one past the last stored position.
    void store(int position, const quill::BoardModel& board);
    // Keeps positions 0..last (none when last < 0).
    void truncate(int last);
    void clear() { positions_.clear(); }

    bool has(int position) const { return position >= 0 && position <= last(); }
    // -1 when nothing is stored.
    int last() const { return static_cast<int>(positions_.size()) - 1; }
    const Snapshot& at(int position) const;
    // Writes the stored position onto `board`, changing only squares that differ.
    void show(int position, quill::BoardModel& board) const;

    static Snapshot read(const quill::BoardModel& board);
    static quill::PieceNum code(const Snapshot& snapshot, int col, int row)
    {
        return snapshot[static_cast<std::size_t>(quill::SquareIndex(col, row) - 1)];
    }

private:
    std::vector<Snapshot> positions_;
};

} // namespace morvane
