// Move-pattern legality and check detection. Patterns only: no turn, no pins,
// no castling, no en passant, no promotion; the callers handle those.
#include <cstdlib>

#include "board_model.h"

namespace quill {

namespace {
int sign(int v)
{
    return (v > 0) - (v < 0);
}

bool admissibleFor(bool white, std::int32_t target)
{
    return white ? target < Wpawn : (target == None || target >= Wpawn);
}

// Whether a piece of `code` may take on a square (dc, dr) away by its pattern
// alone, ignoring what stands between: no piece that fails this can pass IsLegalMove.
bool mayReach(std::int32_t code, int dc, int dr)
{
    const int adc = std::abs(dc);
    const int adr = std::abs(dr);
    switch (code) {
    case Wpawn:
        return dr == -1 && adc == 1;
    case Bpawn:
        return dr == 1 && adc == 1;
    case Wknight:
    case Bknight:
        return (adc == 1 && adr == 2) || (adc == 2 && adr == 1);
    case Wbishop:
    case Bbishop:
        return adc == adr;
    case Wrook:
    case Brook:
        return dc == 0 || dr == 0;
    case WQueen:
    case BQueen:
        return adc == adr || dc == 0 || dr == 0;
    case wking:
    case Bking:
        return adc <= 1 && adr <= 1;
    default:
        return false;
    }
}
} // namespace

// Squares strictly between the two ends of a straight or diagonal line hold nothing.
bool BoardModel::pathClear(int fromCol, int fromRow, int toCol, int toRow) const
{
    const int sc = sign(toCol - fromCol);
    const int sr = sign(toRow - fromRow);
    for (int c = fromCol + sc, r = fromRow + sr; c != toCol || r != toRow; c += sc, r += sr) {
        if (pieces_[static_cast<std::size_t>(SquareIndex(c, r))] != None)
            return false;
    }
    return true;
}

bool BoardModel::IsLegalMove(std::int16_t fromCol, std::int16_t fromRow, std::int16_t toCol, std::int16_t toRow) const
{
    // A move onto its own square is refused before the range check, even off the board.
    if (toCol == fromCol && toRow == fromRow)
        return false;
    validate(fromCol, fromRow);
    validate(toCol, toRow);

    const std::int32_t p = pieces_[static_cast<std::size_t>(SquareIndex(fromCol, fromRow))];
    if (!isPiece(p))
        return false;
    const std::int32_t target = pieces_[static_cast<std::size_t>(SquareIndex(toCol, toRow))];
    const int dc = toCol - fromCol;
    const int dr = toRow - fromRow;
    const int adc = std::abs(dc);
    const int adr = std::abs(dr);
    const bool white = isWhite(p);
    const bool admissible = admissibleFor(white, target);

    switch (p) {
    case Wpawn:
    case Bpawn: {
        const int forward = white ? -1 : 1;
        const int startRow = white ? 7 : 2;
        if (dr == forward && dc == 0)
            return target == None;
        if (dr == forward && adc == 1)
            return white ? isBlack(target) : isWhite(target);
        // The double step also needs the square it passes over to be empty.
        if (fromRow == startRow && dr == 2 * forward && dc == 0)
            return target == None && pieces_[static_cast<std::size_t>(SquareIndex(fromCol, fromRow + forward))] == None;
        return false;
    }
    case Wknight:
    case Bknight:
        return ((adc == 1 && adr == 2) || (adc == 2 && adr == 1)) && admissible;
    case Wbishop:
    case Bbishop:
        return adr == adc && pathClear(fromCol, fromRow, toCol, toRow) && admissible;
    case Wrook:
    case Brook:
        return (dr == 0 || dc == 0) && pathClear(fromCol, fromRow, toCol, toRow) && admissible;
    case WQueen:
    case BQueen:
        return (adr == adc || dr == 0 || dc == 0) && pathClear(fromCol, fromRow, toCol, toRow) && admissible;
    case wking:
    case Bking:
        return adc <= 1 && adr <= 1 && admissible;
    default:
        return false;
    }
}

bool BoardModel::IsKingChecked(PieceNum king) const
{
    int kingCol = 0;
    int kingRow = 0;
    for (int k = 1; k <= 64; ++k) {
        if (pieces_[static_cast<std::size_t>(k)] == king) {
            kingCol = colOfIndex(k);
            kingRow = rowOfIndex(k);
            break;
        }
    }
    if (king != wking && king != Bking)
        throw ControlError(error::NotAKing, error::NotAKingText);

    const bool attackersAreBlack = king == wking;
    bool checked = false;
    // Every enemy piece is asked, so a missing king raises on the first attacker
    // exactly as a host calling IsLegalMove itself would see. With the king on
    // the board, a piece whose line cannot reach it is not asked at all.
    for (int j = 1; j <= 64; ++j) {
        const std::int32_t code = pieces_[static_cast<std::size_t>(j)];
        if (attackersAreBlack ? isBlack(code) : isWhite(code)) {
            const int col = colOfIndex(j);
            const int row = rowOfIndex(j);
            if (kingCol != 0 && !mayReach(code, kingCol - col, kingRow - row))
                continue;
            if (IsLegalMove(static_cast<std::int16_t>(col), static_cast<std::int16_t>(row),
                            static_cast<std::int16_t>(kingCol), static_cast<std::int16_t>(kingRow)))
                checked = true;
        }
    }
    return checked;
}

} // namespace quill
