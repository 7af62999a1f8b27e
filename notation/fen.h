#pragma once
// Games that do not start from the initial position: a FEN tag gives the
// placement, the side to move, the castling rights and the first move number;
// a Variant tag of "Chess960" (or a castling field naming files) makes
// castling put king and rook on the usual squares from wherever they stand.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "board_model.h"

namespace morvane {

// Where a side's castling rooks start: the column of the rook on the king's
// h-side (O-O) and on its a-side (O-O-O); 0 when the FEN gives that side no
// such right (the rook nearest the king on that side is then taken).
struct CastlingRooks {
    std::array<std::int16_t, 2> white{};
    std::array<std::int16_t, 2> black{};
};

struct GameStart {
    std::string placement = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR";
    int sideToMove = 1; // 1 White, 2 Black
    int firstMove = 1;  // the full-move number of the first move line
    bool chess960 = false;
    CastlingRooks rooks; // read only when chess960
    // Whether each side (White, Black) keeps a castling right: a FEN with a
    // castling field of "-" or of the other side's letters only takes it away.
    std::array<bool, 2> mayCastle{true, true};
    std::string enPassant; // the square a pawn just crossed ("d6"), or empty
};

// A FEN: placement, active colour, and optionally castling, en passant square,
// half-move clock and full-move number. Nothing when it cannot be read: a rank
// of other than eight squares, an unknown letter, not one king of each colour,
// a pawn on the first or last rank, or a malformed later field.
std::optional<GameStart> parseFen(std::string_view fen, bool chess960Variant = false);

// How a game's text says it starts.
enum class StartKind { Initial, FromFen, BrokenFen };
struct StartOf {
    StartKind kind = StartKind::Initial;
    GameStart start;
};
// Reads the game's `FEN` and `Variant` tags. A game with no FEN tag starts from
// the initial position (Chess960 castling still applies with that variant).
StartOf gameStart(std::string_view gameText);
// The same with the tags already found: where kFenTag and kVariantTag first
// occur in the text (npos when they do not).
inline constexpr std::string_view kFenTag = "[FEN ";
inline constexpr std::string_view kVariantTag = "[Variant ";
StartOf gameStart(std::string_view gameText, std::size_t fenAt, std::size_t variantAt);

// "Chess960" and its other names, in any case.
bool isChess960Variant(std::string_view variant);

// ListMoves for a game from `start`: the lines begin at its first move
// number and, when Black moves first, the first line has an empty White field
// and takes Black's move after a leading "<n>..." (or "<n>. ..."). Move
// numbers that begin at 1 whatever the FEN says are read from 1.
void ListStartMoves(std::string_view movetext, const GameStart& start, std::vector<std::string>& list,
                    std::string& GameResult, const std::string& ResultTag);

// The column of the `rook` a king on (kingCol, row) castles with toward h
// (kingside) or a: `named` when such a rook stands there on that side, else
// the nearest one; 0 when there is none.
std::int16_t castlingRookColumn(const quill::BoardModel& board, std::int16_t row, std::int16_t kingCol, bool kingside,
                                std::int16_t named, quill::PieceNum rook);

// Sets the board to the start's placement.
void setStart(quill::BoardModel& board, const GameStart& start);

} // namespace morvane
