#include "move_encoder.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>

namespace morvane {

using quill::PieceNum;

namespace {

constexpr const char* kRefused = "Error";

bool isPawn(PieceNum code)
{
    return code == quill::Wpawn || code == quill::Bpawn;
}

bool isKing(PieceNum code)
{
    return code == quill::wking || code == quill::Bking;
}

bool reachesLastRank(const DroppedMove& move)
{
    return (move.newpiece == quill::Wpawn && move.toRow == 1) || (move.newpiece == quill::Bpawn && move.toRow == 8);
}

} // namespace

std::string pieceLetter(PieceNum code)
{
    switch (code) {
    case quill::Wrook:
    case quill::Brook:
        return "R";
    case quill::Wknight:
    case quill::Bknight:
        return "N";
    case quill::Wbishop:
    case quill::Bbishop:
        return "B";
    case quill::WQueen:
    case quill::BQueen:
        return "Q";
    case quill::wking:
    case quill::Bking:
        return "K";
    default:
        return {};
    }
}

char fileLetter(int col)
{
    assert(col >= 1 && col <= 8);
    return static_cast<char>('a' + col - 1);
}

char rankDigit(int row)
{
    assert(row >= 1 && row <= 8);
    return static_cast<char>('0' + 9 - row);
}

std::optional<std::string> MoveEncoder::encode(const DroppedMove& move, int side, const Snapshot* twoBack)
{
    std::string text;
    if (isKing(move.newpiece)) {
        text = CheckCastle(move.fromCol, move.fromRow, move.toCol, move.toRow, move.oldpiece, move.newpiece);
        if (text == kRefused)
            return std::nullopt;
    }

    if (text.empty()) {
        const bool capture = move.oldpiece != quill::None;
        if (isPawn(move.newpiece)) {
            if (capture)
                text += fileLetter(move.fromCol);
        } else {
            text = pieceLetter(move.newpiece);
        }
        text += CheckOtherPieces(move.newpiece, move.fromCol, move.fromRow, move.toCol, move.toRow);
        if (capture)
            text += 'x';
        if (takesEnPassant(move, twoBack)) {
            // The passed pawn stands beside the capturing pawn's from-square.
            board_.setPiece(move.toCol, move.fromRow, quill::None);
            text = {fileLetter(move.fromCol), 'x'};
        } else if (!move.isLegalMove) {
            host_.illegalMoveWarning();
        }
        text += fileLetter(move.toCol);
        text += rankDigit(move.toRow);
    }

    if (reachesLastRank(move)) {
        const PieceNum chosen = host_.Promote(side);
        board_.setPiece(move.toCol, move.toRow, chosen);
        text += '=';
        text += pieceLetter(chosen);
    }

    // Mate is not told apart from check: it is written "+" as well.
    if (board_.IsKingChecked(side == 1 ? quill::Bking : quill::wking))
        text += '+';
    return text;
}

bool MoveEncoder::takesEnPassant(const DroppedMove& move, const Snapshot* twoBack) const
{
    if (twoBack == nullptr || move.oldpiece != quill::None || std::abs(move.toCol - move.fromCol) != 1)
        return false;
    const bool white = move.newpiece == quill::Wpawn;
    if (!white && move.newpiece != quill::Bpawn)
        return false;
    // The capturing pawn goes one rank forward from the rank the passed pawn
    // reached with its double step, onto the square that pawn crossed.
    const PieceNum passed = white ? quill::Bpawn : quill::Wpawn;
    const int landed = white ? 4 : 5;  // row the passed pawn reached
    const int crossed = white ? 3 : 6; // row the capturing pawn lands on
    const int started = white ? 2 : 7; // row the passed pawn came from
    if (move.toRow != crossed || move.fromRow != landed)
        return false;
    const auto col = move.toCol;
    const auto landedRow = static_cast<std::int16_t>(landed);
    const auto startedRow = static_cast<std::int16_t>(started);
    // The double step must be the last move: the pawn stood on its start square
    // two half-moves back and has left it, and no pawn stood where it landed.
    return board_.piece(col, landedRow) == passed && board_.piece(col, startedRow) != passed &&
           PositionHistory::code(*twoBack, col, started) == passed &&
           PositionHistory::code(*twoBack, col, landed) != passed;
}

void MoveEncoder::FindValidPieces(PieceNum piece)
{
    Candidates.fill(Square{});
    std::size_t next = 0;
    for (std::int16_t col = 1; col <= 8; ++col) {
        for (std::int16_t row = 1; row <= 8; ++row) {
            if (board_.piece(col, row) != piece)
                continue;
            // Ten of one kind is the most a game can hold (two and eight promoted).
            assert(next < Candidates.size());
            if (next < Candidates.size())
                Candidates[next++] = Square{col, row};
        }
    }
}

std::string MoveEncoder::CheckOtherPieces(PieceNum NewPiece, std::int16_t FromCol, std::int16_t FromRow,
                                          std::int16_t ToCol, std::int16_t ToRow)
{
    if (isPawn(NewPiece))
        return {};
    FindValidPieces(NewPiece);
    // The others are asked on the board as it was before the move.
    board_.setPiece(ToCol, ToRow, quill::None);
    board_.setPiece(FromCol, FromRow, NewPiece);
    std::string fileHint;
    std::string rankHint;
    for (const Square& other : Candidates) {
        if (other.col == 0 || other.row == 0)
            continue;
        if (!board_.IsLegalMove(other.col, other.row, ToCol, ToRow))
            continue;
        if (other.col != FromCol)
            fileHint += fileLetter(FromCol);
        else if (other.row != FromRow)
            rankHint += rankDigit(FromRow);
    }
    board_.setPiece(FromCol, FromRow, quill::None);
    board_.setPiece(ToCol, ToRow, NewPiece);
    return fileHint.substr(0, 1) + rankHint.substr(0, 1);
}

std::string MoveEncoder::CheckCastle(std::int16_t FromCol, std::int16_t FromRow, std::int16_t ToCol, std::int16_t ToRow,
                                     PieceNum oldpiece, PieceNum NewPiece)
{
    board_.setPiece(FromCol, FromRow, NewPiece);
    board_.setPiece(ToCol, ToRow, oldpiece);

    const bool black = NewPiece == quill::Bking;
    const std::int16_t backRow = black ? 1 : 8;
    if (Chess960 && isKing(NewPiece) && FromRow == backRow && ToRow == backRow) {
        std::string castled = castle960(FromCol, ToCol, backRow, oldpiece, NewPiece);
        if (!castled.empty())
            return castled;
    }
    const bool attempt =
        isKing(NewPiece) && FromCol == 5 && FromRow == backRow && ToRow == backRow && (ToCol == 3 || ToCol == 7);
    std::string result;
    if (attempt) {
        bool& castled = black ? BlackCastled : WhiteCastled;
        if (castled) {
            host_.cantCastle();
            return kRefused;
        }
        const PieceNum rook = black ? quill::Brook : quill::Wrook;
        const auto empty = [&](std::int16_t col) { return board_.piece(col, backRow) == quill::None; };
        if (ToCol == 3 && board_.piece(1, backRow) == rook && empty(2) && empty(3) && empty(4)) {
            board_.MovePiece(1, backRow, 4, backRow);
            castled = true;
            result = "O-O-O";
        } else if (ToCol == 7 && board_.piece(8, backRow) == rook && empty(6) && empty(7)) {
            board_.MovePiece(8, backRow, 6, backRow);
            castled = true;
            result = "O-O";
        }
    }

    board_.setPiece(ToCol, ToRow, NewPiece);
    board_.setPiece(FromCol, FromRow, quill::None);
    return result;
}

std::string MoveEncoder::castle960(std::int16_t FromCol, std::int16_t ToCol, std::int16_t row, PieceNum oldpiece,
                                   PieceNum NewPiece)
{
    const bool black = NewPiece == quill::Bking;
    const PieceNum rook = black ? quill::Brook : quill::Wrook;
    const bool ontoRook = oldpiece == rook;
    if (!ontoRook && !((ToCol == 7 || ToCol == 3) && std::abs(ToCol - FromCol) >= 2))
        return {};
    const bool kingside = ontoRook ? ToCol > FromCol : ToCol == 7;
    bool& castled = black ? BlackCastled : WhiteCastled;
    if (castled) {
        host_.cantCastle();
        return kRefused;
    }
    const std::int16_t rookCol = castlingRookColumn(
        board_, row, FromCol, kingside, ontoRook ? ToCol : (black ? Rooks.black : Rooks.white)[kingside ? 0 : 1], rook);
    const std::int16_t kingTo = kingside ? 7 : 3;
    const std::int16_t rookTo = kingside ? 6 : 4;
    // Every square king and rook cross or reach is empty but for the two of them.
    bool clear = rookCol != 0;
    const int low = std::min({FromCol, rookCol, kingTo, rookTo});
    const int high = std::max({FromCol, rookCol, kingTo, rookTo});
    for (int col = low; clear && col <= high; ++col) {
        clear = col == FromCol || col == rookCol || board_.piece(static_cast<std::int16_t>(col), row) == quill::None;
    }
    if (!clear) {
        if (!ontoRook)
            return {}; // an ordinary king move
        host_.cantCastle();
        return kRefused;
    }
    board_.setPiece(FromCol, row, quill::None);
    board_.setPiece(rookCol, row, quill::None);
    board_.setPiece(rookTo, row, rook);
    board_.setPiece(kingTo, row, NewPiece);
    castled = true;
    return kingside ? "O-O" : "O-O-O";
}

} // namespace morvane
