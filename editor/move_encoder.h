#pragma once
// Writing a move dropped on the editor's board as SAN, and the board changes
// that belong to the notation: the rook of a castling, the pawn taken en
// passant, the promoted piece. Works on a board model that already shows the
// dropped piece on its new square.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "board_model.h"
#include "encoder_host.h"
#include "move_decoder.h"
#include "position_history.h"

namespace morvane {

// One drop as the board reports it.
struct DroppedMove {
    std::int16_t fromCol = 0;
    std::int16_t fromRow = 0;
    std::int16_t toCol = 0;
    std::int16_t toRow = 0;
    quill::PieceNum oldpiece = quill::None; // what stood on the to-square
    quill::PieceNum newpiece = quill::None; // the piece moved
    bool isLegalMove = false;               // pattern test, judged before the drop
};

class MoveEncoder {
public:
    MoveEncoder(quill::BoardModel& board, EncoderHost& host) : board_(board), host_(host) {}

    // The SAN of `move` for `side` (1 White, 2 Black), the piece already being of
    // that colour. `twoBack` is the position two half-moves before this one, when
    // there is one (the en passant test needs it). Nothing when the castling is
    // refused: the board is then back as before the drop.
    std::optional<std::string> encode(const DroppedMove& move, int side, const Snapshot* twoBack);

    // Fills Candidates with the squares holding `piece`, columns a..h outer and
    // rows (rank 8 down to 1) inner, as the decoder scans.
    void FindValidPieces(quill::PieceNum piece);
    // The file and/or rank hint naming the moved piece among others of its kind
    // that reach the same square by pattern (pins ignored); empty for a pawn.
    std::string CheckOtherPieces(quill::PieceNum NewPiece, std::int16_t FromCol, std::int16_t FromRow,
                                 std::int16_t ToCol, std::int16_t ToRow);
    // "O-O" or "O-O-O" with the rook moved, "Error" after "Can't Castle", or
    // empty for any other king move.
    std::string CheckCastle(std::int16_t FromCol, std::int16_t FromRow, std::int16_t ToCol, std::int16_t ToRow,
                            quill::PieceNum oldpiece, quill::PieceNum NewPiece);

    // Set by the editor from the moves before the one being encoded; a castling
    // sets its side's flag.
    bool WhiteCastled = false;
    bool BlackCastled = false;
    std::array<Square, 10> Candidates{};
    // Chess960: a king dropped on its own rook, or along its back rank onto g
    // or c from two or more columns away, castles to that side; king and rook
    // end on g and f or c and d. Rooks names the castling rooks as the decoder's.
    bool Chess960 = false;
    CastlingRooks Rooks;

private:
    std::string castle960(std::int16_t FromCol, std::int16_t ToCol, std::int16_t row, quill::PieceNum oldpiece,
                          quill::PieceNum NewPiece);
    bool takesEnPassant(const DroppedMove& move, const Snapshot* twoBack) const;

    quill::BoardModel& board_;
    EncoderHost& host_;
};

// The SAN letter of a piece code ("R", "N", "B", "Q", "K"; empty for a pawn).
std::string pieceLetter(quill::PieceNum code);
// "a".."h" for columns 1..8.
char fileLetter(int col);
// "1".."8" for rows 8..1.
char rankDigit(int row);

} // namespace morvane
