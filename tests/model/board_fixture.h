#pragma once
// Boards set up from a compact picture: rank 8 first, one character a square,
// "." empty, PNBRQK White, pnbrqk Black.

#include <string>

#include "board_model.h"

namespace testutil {

inline quill::PieceNum codeFor(char c)
{
    switch (c) {
    case 'p':
        return quill::Bpawn;
    case 'r':
        return quill::Brook;
    case 'n':
        return quill::Bknight;
    case 'b':
        return quill::Bbishop;
    case 'q':
        return quill::BQueen;
    case 'k':
        return quill::Bking;
    case 'P':
        return quill::Wpawn;
    case 'R':
        return quill::Wrook;
    case 'N':
        return quill::Wknight;
    case 'B':
        return quill::Wbishop;
    case 'Q':
        return quill::WQueen;
    case 'K':
        return quill::wking;
    default:
        return quill::None;
    }
}

// `rows` holds 64 characters, row 1 (rank 8) first, blanks ignored.
inline void setUp(quill::BoardModel& board, const std::string& rows)
{
    board.Clear();
    int index = 1;
    for (char c : rows) {
        if (c == ' ')
            continue;
        board.SetSquare(codeFor(c), index++);
    }
}

} // namespace testutil
