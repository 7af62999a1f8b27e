#include "move_decoder.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>

namespace morvane {

using quill::PieceNum;

namespace {

// A move that cannot be read: a rank that is no digit, nothing left to take.
struct DecodeFailure {};

char lastOf(std::string_view s)
{
    if (s.empty())
        throw DecodeFailure{};
    return s.back();
}

void dropLast(std::string_view& s)
{
    if (s.empty())
        throw DecodeFailure{};
    s.remove_suffix(1);
}

// Two characters tested directly: a set search costs a library call per move.
bool endsWithEither(std::string_view s, char a, char b)
{
    return !s.empty() && (s.back() == a || s.back() == b);
}

// "9 - the rank digit": the row of a rank character.
std::int16_t rowOf(char rank)
{
    if (rank < '0' || rank > '9')
        throw DecodeFailure{};
    return static_cast<std::int16_t>(9 - (rank - '0'));
}

// Trailing "!" and "?" are annotations, not part of the move.
void dropAnnotations(std::string_view& s)
{
    while (endsWithEither(s, '!', '?'))
        s.remove_suffix(1);
}

// Piece letters by character: the Black code, 0 for no piece letter. A White
// piece's code is its Black code plus six. A table rather than a switch: every
// move asks.
constexpr std::array<std::int8_t, 128> kBlackPieceOf = [] {
    std::array<std::int8_t, 128> table{};
    table['R'] = quill::Brook;
    table['N'] = quill::Bknight;
    table['B'] = quill::Bbishop;
    table['Q'] = quill::BQueen;
    table['K'] = quill::Bking;
    return table;
}();
static_assert(quill::Wrook - quill::Brook == 6 && quill::wking - quill::Bking == 6 &&
              quill::Wknight - quill::Bknight == 6 && quill::Wbishop - quill::Bbishop == 6 &&
              quill::WQueen - quill::BQueen == 6);

PieceNum pieceFor(char letter, bool white)
{
    const auto c = static_cast<unsigned char>(letter);
    const int black = c < kBlackPieceOf.size() ? kBlackPieceOf[c] : 0;
    if (black == 0)
        return quill::None;
    return static_cast<PieceNum>(white ? black + 6 : black);
}

bool isFile(char c)
{
    return c >= 'a' && c <= 'h';
}

// ColumnNumber of a single character, without making a text of it.
std::int16_t fileNumber(char c)
{
    return isFile(c) ? static_cast<std::int16_t>(c - 'a' + 1) : 0;
}

// A pawn move to the first or last rank followed by a piece letter, written
// without "=" ("b1Q", "exd8N").
bool isBarePromotion(std::string_view s)
{
    if (s.size() < 3 || !isFile(s.front()))
        return false;
    const char piece = s.back();
    const char rank = s[s.size() - 2];
    return (piece == 'R' || piece == 'N' || piece == 'B' || piece == 'Q') && (rank == '1' || rank == '8');
}

// Views compare lengths first: most moves differ from every marker in length.
const char* resultText(std::string_view move)
{
    if (move == "1-0")
        return "White wins";
    if (move == "0-1")
        return "Black wins";
    if (move == "1/2-1/2")
        return "Drawn game";
    if (move == "*")
        return "Game was not completed";
    return nullptr;
}

} // namespace

std::int16_t MoveDecoder::ColumnNumber(std::string_view letter)
{
    if (letter.size() == 1 && isFile(letter[0]))
        return static_cast<std::int16_t>(letter[0] - 'a' + 1);
    return 0;
}

DecodeResult MoveDecoder::ExtractMove(std::string_view move)
{
    StatusText.clear();
    SoundKind = 1;
    if (const char* result = resultText(move)) {
        StatusText = result;
        host_.showStatus(StatusText);
        return DecodeResult::Marker;
    }

    dropAnnotations(move);
    if (endsWithEither(move, '+', '#')) {
        move.remove_suffix(1);
        StatusText = SideToMove == 1 ? "Black King Checked" : "white King Checked";
        if (endsWithEither(move, '+', '#'))
            move.remove_suffix(1);
        dropAnnotations(move);
    }
    host_.showStatus(StatusText);

    try {
        return decode(move);
    } catch (const DecodeFailure&) {
    } catch (const quill::ControlError&) {
    }
    host_.decodeFailed();
    return DecodeResult::Failed;
}

DecodeResult MoveDecoder::decode(std::string_view move)
{
    const bool white = SideToMove == 1;
    if (move.size() == 2) {
        // Pawn advance; an empty square behind the target means a double step.
        ToRow = rowOf(move[1]);
        ToCol = move.empty() ? 0 : fileNumber(move[0]);
        FromCol = ToCol;
        FromRow = static_cast<std::int16_t>(ToRow + towardMover());
        if (board_.piece(FromCol, FromRow) == quill::None)
            FromRow = static_cast<std::int16_t>(FromRow + towardMover());
    } else if (const PieceNum piece = move.empty() ? quill::None : pieceFor(move[0], white); piece != quill::None) {
        FindPieces(piece);
        if (!GetMove(move))
            return DecodeResult::Skipped;
    } else if (!move.empty() && (move[0] == 'O' || move[0] == '0' || move[0] == 'o')) {
        return castle(move);
    } else if (move.empty() || !isFile(move[0])) {
        host_.invalidMove();
        return DecodeResult::Invalid;
    } else if (move.find('=') != std::string_view::npos || isBarePromotion(move)) {
        return promote(move);
    } else {
        return capture(move);
    }
    host_.requestSound(SoundKind, SoundCause::Move);
    board_.MovePiece(FromCol, FromRow, ToCol, ToRow);
    return DecodeResult::Moved;
}

DecodeResult MoveDecoder::castle(std::string_view move)
{
    const bool kingside = move == "O-O" || move == "0-0" || move == "o-o";
    const bool queenside = move == "O-O-O" || move == "0-0-0" || move == "o-o-o";
    if ((!kingside && !queenside) || (SideToMove != 1 && SideToMove != 2))
        return DecodeResult::NoEffect;
    // No legality test: the rook goes first, then the king.
    const std::int16_t row = SideToMove == 1 ? 8 : 1;
    host_.requestSound(1, SoundCause::CastlingRook);
    if (Chess960) {
        castle960(kingside);
    } else if (kingside) {
        board_.MovePiece(8, row, 6, row);
        board_.MovePiece(5, row, 7, row);
    } else {
        board_.MovePiece(1, row, 4, row);
        board_.MovePiece(5, row, 3, row);
    }
    host_.requestSound(3, SoundCause::CastlingKing);
    return DecodeResult::Moved;
}

void MoveDecoder::castle960(bool kingside)
{
    const bool white = SideToMove == 1;
    const std::int16_t row = white ? 8 : 1;
    const PieceNum king = white ? quill::wking : quill::Bking;
    const PieceNum rook = white ? quill::Wrook : quill::Brook;
    std::int16_t kingCol = 0;
    for (std::int16_t col = 1; col <= 8 && kingCol == 0; ++col) {
        if (board_.piece(col, row) == king)
            kingCol = col;
    }
    if (kingCol == 0)
        throw DecodeFailure{};
    const std::int16_t rookCol =
        castlingRookColumn(board_, row, kingCol, kingside, (white ? Rooks.white : Rooks.black)[kingside ? 0 : 1], rook);
    if (rookCol == 0)
        throw DecodeFailure{};
    // King and rook may stand on each other's targets: both leave first.
    board_.setPiece(kingCol, row, quill::None);
    board_.setPiece(rookCol, row, quill::None);
    board_.setPiece(kingside ? 6 : 4, row, rook);
    board_.setPiece(kingside ? 7 : 3, row, king);
}

DecodeResult MoveDecoder::promote(std::string_view text)
{
    std::string withoutEquals(text);
    std::erase(withoutEquals, '=');
    std::string_view move = withoutEquals;
    const PieceNum promoted = lastOf(move) == 'K' ? quill::None : pieceFor(lastOf(move), SideToMove == 1);
    if (promoted == quill::None)
        throw DecodeFailure{};
    dropLast(move);
    const bool capturing = move.find('x') != std::string_view::npos;
    if (capturing)
        FromCol = move.empty() ? 0 : fileNumber(move[0]);
    ToRow = rowOf(lastOf(move));
    dropLast(move);
    ToCol = fileNumber(lastOf(move));
    if (!capturing)
        FromCol = ToCol;
    FromRow = static_cast<std::int16_t>(ToRow + towardMover());
    host_.requestSound(1, SoundCause::Promotion);
    board_.MovePiece(FromCol, FromRow, ToCol, ToRow);
    board_.setPiece(ToCol, ToRow, promoted);
    return DecodeResult::Moved;
}

DecodeResult MoveDecoder::capture(std::string_view move)
{
    // The "x" is not needed: the first character is the from-file.
    ToRow = rowOf(lastOf(move));
    dropLast(move);
    ToCol = fileNumber(lastOf(move));
    FromCol = move.empty() ? 0 : fileNumber(move[0]);
    FromRow = static_cast<std::int16_t>(ToRow + towardMover());
    // En passant: onto the empty square behind a pawn that has just passed.
    if (SideToMove == 1) {
        if (ToRow == 3 && board_.piece(ToCol, ToRow) == quill::None && board_.piece(ToCol, 4) == quill::Bpawn)
            board_.setPiece(ToCol, 4, quill::None);
    } else if (ToRow == 6 && board_.piece(ToCol, ToRow) == quill::None && board_.piece(ToCol, 5) == quill::Wpawn) {
        board_.setPiece(ToCol, 5, quill::None);
    }
    board_.MovePiece(FromCol, FromRow, ToCol, ToRow);
    host_.requestSound(2, SoundCause::PawnCapture);
    return DecodeResult::Moved;
}

void MoveDecoder::FindPieces(PieceNum code)
{
    // One pass over the squares in memory order marks the pieces; the marks
    // are then read column by column, the order the candidates keep.
    const quill::PieceNum* squares = board_.squares();
    std::uint64_t marks = 0;
#if defined(__SSE2__)
    // Sixteen squares a step: four compares packed down to one byte a square.
    const __m128i wanted = _mm_set1_epi32(code);
    const auto equal = [&](int i) {
        return _mm_cmpeq_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(squares + i)), wanted);
    };
    for (int i = 0; i < 64; i += 16) {
        const __m128i low = _mm_packs_epi32(equal(i), equal(i + 4));
        const __m128i high = _mm_packs_epi32(equal(i + 8), equal(i + 12));
        marks |= static_cast<std::uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(_mm_packs_epi16(low, high)))) << i;
    }
#else
    for (int i = 0; i < 64; ++i)
        marks |= static_cast<std::uint64_t>(squares[i] == code) << i;
#endif
    Candidates = {};
    // The columns holding a mark, then the marks of each, top row first.
    std::uint64_t folded = marks | (marks >> 32);
    folded |= folded >> 16;
    folded |= folded >> 8;
    std::size_t next = 0;
    for (unsigned columns = static_cast<unsigned>(folded & 0xFF); columns != 0; columns &= columns - 1) {
        const int shift = __builtin_ctz(columns);
        const auto col = static_cast<std::int16_t>(shift + 1);
        for (std::uint64_t column = (marks >> shift) & 0x0101010101010101ULL; column != 0; column &= column - 1) {
            if (next == Candidates.size())
                throw DecodeFailure{};
            Candidates[next++] = Square{col, static_cast<std::int16_t>(__builtin_ctzll(column) / 8 + 1)};
        }
    }
}

bool MoveDecoder::GetMove(std::string_view text)
{
    for (int i = 0; i < 2; ++i) {
        if (endsWithEither(text, '+', '#'))
            text.remove_suffix(1);
    }
    // Each "x" goes and makes the move a capture (the character after a removed
    // "x" is not looked at). A move that holds one is read from a copy without
    // it, in storage kept between moves; any other where it stands.
    std::string_view move = text;
    if (text.find('x') != std::string_view::npos) {
        const std::size_t length = text.size();
        pieceMove_.resize(length);
        std::size_t kept = 0;
        for (std::size_t i = 0; i < length;) {
            if (text[i] == 'x') {
                SoundKind = 2;
                if (i + 1 < length)
                    pieceMove_[kept++] = text[i + 1];
                i += 2;
            } else {
                pieceMove_[kept++] = text[i++];
            }
        }
        move = std::string_view(pieceMove_.data(), kept);
    }
    ToRow = rowOf(lastOf(move));
    dropLast(move);
    ToCol = fileNumber(lastOf(move));
    dropLast(move);

    reachCount_ = 0;
    for (const Square& c : Candidates) {
        if (c.col == 0 || c.row == 0)
            break;
        if (board_.IsLegalMove(c.col, c.row, ToCol, ToRow)) {
            reach_[reachCount_++] = c;
            FromCol = c.col;
            FromRow = c.row;
        }
    }
    if (reachCount_ == 0) {
        host_.illegalMove();
        return false;
    }
    if (reachCount_ >= 2)
        GetBestPiece(move);
    return true;
}

void MoveDecoder::GetBestPiece(std::string_view prefix)
{
    FromCol = 0;
    FromRow = 0;
    while (!prefix.empty()) {
        const char c = prefix.back();
        if (isFile(c))
            FromCol = static_cast<std::int16_t>(c - 'a' + 1);
        else if (c >= '1' && c <= '8')
            FromRow = static_cast<std::int16_t>(9 - (c - '0'));
        else
            break;
        prefix.remove_suffix(1);
    }
    if (FromCol != 0 && FromRow != 0)
        return;

    // Among the pieces that reach the square and fit the hints, the one whose
    // move does not leave its own king attacked; else the first in scan order.
    std::array<Square, 10> fitting{};
    std::size_t fitCount = 0;
    for (std::size_t i = 0; i < reachCount_; ++i) {
        const Square& c = reach_[i];
        if ((FromCol == 0 || c.col == FromCol) && (FromRow == 0 || c.row == FromRow))
            fitting[fitCount++] = c;
    }
    if (fitCount == 1) {
        // The only one is chosen whether its move is safe or not.
        FromCol = fitting[0].col;
        FromRow = fitting[0].row;
        return;
    }
    if (fitCount > 0) {
        const Square* safe = nullptr;
        std::size_t safeCount = 0;
        for (std::size_t i = 0; i < fitCount; ++i) {
            if (!leavesOwnKingAttacked(fitting[i])) {
                safe = &fitting[i];
                ++safeCount;
            }
        }
        const Square chosen = safeCount == 1 ? *safe : fitting[0];
        FromCol = chosen.col;
        FromRow = chosen.row;
        return;
    }

    // No piece that reaches the square fits the hints: the first piece of the
    // kind that does, reachable or not.
    for (const Square& c : Candidates) {
        const bool colFits = c.col != 0 && (FromCol == 0 || c.col == FromCol);
        const bool rowFits = c.row != 0 && (FromRow == 0 || c.row == FromRow);
        if (colFits && rowFits) {
            FromCol = c.col;
            FromRow = c.row;
            return;
        }
    }
}

bool MoveDecoder::leavesOwnKingAttacked(const Square& from)
{
    const int fromIndex = quill::SquareIndex(from.col, from.row);
    const int toIndex = quill::SquareIndex(ToCol, ToRow);
    const PieceNum moving = board_.codeAt(fromIndex);
    const PieceNum taken = board_.codeAt(toIndex);
    board_.SetSquare(moving, toIndex);
    board_.SetSquare(quill::None, fromIndex);
    bool attacked = false;
    try {
        attacked = board_.IsKingChecked(SideToMove == 1 ? quill::wking : quill::Bking);
    } catch (const quill::ControlError&) {
        // No king of that colour on the board: nothing to protect.
    }
    board_.SetSquare(taken, toIndex);
    board_.SetSquare(moving, fromIndex);
    return attacked;
}

} // namespace morvane
