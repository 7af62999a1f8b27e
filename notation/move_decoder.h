#pragma once
// Reading one SAN move (or a game termination marker) and carrying it out on a
// board model. The decoder keeps no position of its own: it asks the board for
// pieces and for pattern legality, and moves pieces with MovePiece / piece let.
// Castling, en passant and promotion are carried out here.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "board_model.h"
#include "decoder_host.h"
#include "fen.h"

namespace morvane {

// What a call of ExtractMove did.
enum class DecodeResult {
    Moved,    // a move changed the board
    Marker,   // a game termination marker: status only, nothing moved
    Skipped,  // "Illegal move": no candidate, the board stays as it was
    NoEffect, // castling-like text that is no castling, or no side to move
    Invalid,  // "Invalid Move": unknown first character
    Failed,   // the move could not be read or carried out; the host was told
};

struct Square {
    std::int16_t col = 0; // 1..8 = a..h, 0 = none
    std::int16_t row = 0; // 1..8 = rank 8..1, 0 = none
};

class MoveDecoder {
public:
    MoveDecoder(quill::BoardModel& board, DecoderHost& host) : board_(board), host_(host) {}

    // Decodes and applies `move` for SideToMove. The text is only read: callers
    // pass the field where it stands.
    DecodeResult ExtractMove(std::string_view move);

    // Fills Candidates with the squares holding `code`, columns a..h outer,
    // rows (rank 8 down to 1) inner: the tie-break order of GetMove.
    void FindPieces(quill::PieceNum code);
    // For a piece move: to-square from the text, from-square among Candidates.
    // Returns false after "Illegal move" (no candidate reaches the square).
    bool GetMove(std::string_view move);
    // Chooses among the candidates GetMove found reaching the to-square, by the
    // file and rank hints in `prefix`; of those that fit, the one that does not
    // leave its own king attacked when it is the only such, else the first.
    void GetBestPiece(std::string_view prefix);
    // "a".."h" give 1..8; any other text 0.
    static std::int16_t ColumnNumber(std::string_view letter);

    // Shared state, kept between calls as the callers expect.
    std::int32_t SideToMove = 2; // 1 White, 2 Black; the caller sets it before each call
    std::int16_t FromCol = 0;
    std::int16_t FromRow = 0;
    std::int16_t ToCol = 0;
    std::int16_t ToRow = 0;
    std::int32_t SoundKind = 1; // 1 move, 2 capture
    std::string StatusText;
    std::array<Square, 10> Candidates{};
    // Chess960 castling: the king goes to g or c and the rook to f or d from
    // wherever they stand, the rook named by Rooks when it is still there.
    bool Chess960 = false;
    CastlingRooks Rooks;

private:
    DecodeResult decode(std::string_view move);
    DecodeResult castle(std::string_view move);
    void castle960(bool kingside);
    DecodeResult promote(std::string_view text);
    DecodeResult capture(std::string_view move);
    // One row toward the mover's own side: +1 for White, -1 for Black.
    int towardMover() const { return SideToMove == 1 ? 1 : -1; }
    bool leavesOwnKingAttacked(const Square& from);

    quill::BoardModel& board_;
    DecoderHost& host_;
    // The candidates that reach the to-square by pattern, in scan order (GetMove).
    std::array<Square, 10> reach_{};
    std::size_t reachCount_ = 0;
    // A piece move without its "x" characters (GetMove); the storage is kept.
    std::string pieceMove_;
};

} // namespace morvane
