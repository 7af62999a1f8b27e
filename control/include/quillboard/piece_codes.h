#pragma once
// Piece codes, board styles and drag styles shared by the control and its hosts.

#include <cstdint>

namespace quill {

// Square codes as the control stores them. Black pieces are 2..7, White 8..13.
// The type is an open enumeration on purpose: `piece` let stores any 32-bit value.
enum PieceNum : std::int32_t {
    None = 1,
    Bpawn = 2,
    Brook = 3,
    Bknight = 4,
    Bbishop = 5,
    BQueen = 6,
    Bking = 7,
    Wpawn = 8,
    Wrook = 9,
    Wknight = 10,
    Wbishop = 11,
    WQueen = 12,
    wking = 13,
};

enum Boards : std::int32_t { Modern = 1, Classic = 2 };

enum DraggingStyle : std::int32_t { DragNothing = 0, DragCopy = 1, DragMove = 2 };

// Truth values as they travel through the control's numeric interface.
constexpr std::int32_t True = -1;
constexpr std::int32_t False = 0;

constexpr bool isBlack(std::int32_t code)
{
    return code >= Bpawn && code <= Bking;
}
constexpr bool isWhite(std::int32_t code)
{
    return code >= Wpawn && code <= wking;
}
constexpr bool isPiece(std::int32_t code)
{
    return code >= Bpawn && code <= wking;
}

// Square index 1..64 of (col, row); no range check.
constexpr int SquareIndex(int col, int row)
{
    return (row - 1) * 8 + col;
}
constexpr int colOfIndex(int index)
{
    return index % 8 == 0 ? 8 : index % 8;
}
constexpr int rowOfIndex(int index)
{
    return index % 8 == 0 ? index / 8 : index / 8 + 1;
}
constexpr bool onBoard(int col, int row)
{
    return col >= 1 && col <= 8 && row >= 1 && row <= 8;
}

} // namespace quill
