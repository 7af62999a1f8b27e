#pragma once
// A board's piece placement as the first field of FEN: rank 8 first, "/"
// between ranks, digits for runs of empty squares, PNBRQK White, pnbrqk Black.

#include <string>
#include <string_view>

#include "board_model.h"

namespace morvane {

// Squares holding no piece code (empty, or a value no piece has) count as empty.
std::string piecePlacement(const quill::BoardModel& board);

// Sets the board from a placement; false (board unchanged) when the text is
// not eight ranks of eight squares.
bool setPlacement(quill::BoardModel& board, std::string_view placement);

} // namespace morvane
