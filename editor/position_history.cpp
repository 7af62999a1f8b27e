#include "position_history.h"

#include <cassert>

namespace morvane {

Snapshot PositionHistory::read(const quill::BoardModel& board)
{
    Snapshot snapshot{};
    for (int k = 1; k <= 64; ++k)
        snapshot[static_cast<std::size_t>(k - 1)] = board.codeAt(k);
    return snapshot;
}

void PositionHistory::store(int position, const quill::BoardModel& board)
{
    assert(position >= 0 && position <= last() + 1);
    positions_.resize(static_cast<std::size_t>(position));
    positions_.push_back(read(board));
}

void PositionHistory::truncate(int last)
{
    if (last + 1 < static_cast<int>(positions_.size()))
        positions_.resize(static_cast<std::size_t>(last < 0 ? 0 : last + 1));
}

const Snapshot& PositionHistory::at(int position) const
{
    assert(has(position));
    return positions_[static_cast<std::size_t>(position)];
}

void PositionHistory::show(int position, quill::BoardModel& board) const
{
    const Snapshot& snapshot = at(position);
    for (int k = 1; k <= 64; ++k) {
        const quill::PieceNum code = snapshot[static_cast<std::size_t>(k - 1)];
        if (board.codeAt(k) != code)
            board.SetSquare(code, k);
    }
}

} // namespace morvane
