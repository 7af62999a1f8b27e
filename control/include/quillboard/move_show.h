#pragma once
// What the board shows of a move: given the position before and after it, which
// pieces slide from where to where, which are taken, and the move's two squares
// (the king's for castling). A change of more than four squares is no move (a
// new position): nothing slides and nothing is marked.

#include <array>
#include <vector>

#include <quillboard/export.h>
#include <quillboard/piece_codes.h>

namespace quill {

using Position = std::array<PieceNum, 65>; // squares 1..64; element 0 unused

struct MoveShow {
    struct Slide {
        int from = 0;
        int to = 0;
        PieceNum code = None;
    };
    struct Taken {
        int square = 0;
        PieceNum code = None;
    };
    std::vector<Slide> slides;
    std::vector<Taken> taken;
    int from = 0; // 0: no move to mark
    int to = 0;
};

QUILLBOARD_EXPORT MoveShow showMove(const Position& before, const Position& after);

} // namespace quill
