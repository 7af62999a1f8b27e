#include "fen.h"

#include <charconv>
#include <vector>

#include "move_list.h"
#include "placement.h"
#include "tag_value.h"

namespace morvane {

namespace {

std::vector<std::string_view> fields(std::string_view text)
{
    std::vector<std::string_view> out;
    std::size_t at = 0;
    while ((at = text.find_first_not_of(' ', at)) != std::string_view::npos) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        out.push_back(text.substr(at, end - at));
        at = end;
    }
    return out;
}

bool readNumber(std::string_view text, int& value)
{
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && value >= 0;
}

// The quoted value of the tag `opening` found at `p` (npos: absent).
std::optional<std::string_view> tagValueAt(std::string_view gameText, std::size_t p, std::string_view opening)
{
    if (p == std::string_view::npos)
        return std::nullopt;
    const std::size_t open = gameText.find_first_not_of(' ', p + opening.size());
    if (open == std::string_view::npos || gameText[open] != '"')
        return std::nullopt;
    const std::size_t close = gameText.find('"', open + 1);
    if (close == std::string_view::npos)
        return std::nullopt;
    return gameText.substr(open + 1, close - open - 1);
}

// The rook of `rook` code on `row` farthest from the king toward `step`; 0 when none.
std::int16_t outermostRook(const quill::BoardModel& board, int row, int kingCol, int step, quill::PieceNum rook)
{
    std::int16_t found = 0;
    for (int col = kingCol + step; col >= 1 && col <= 8; col += step) {
        if (board.piece(static_cast<std::int16_t>(col), static_cast<std::int16_t>(row)) == rook)
            found = static_cast<std::int16_t>(col);
    }
    return found;
}

int kingColumn(const quill::BoardModel& board, int row, quill::PieceNum king)
{
    for (std::int16_t col = 1; col <= 8; ++col) {
        if (board.piece(col, static_cast<std::int16_t>(row)) == king)
            return col;
    }
    return 0;
}

bool readCastling(std::string_view field, const quill::BoardModel& board, GameStart& start)
{
    start.mayCastle = {false, false};
    if (field == "-")
        return true;
    for (const char c : field) {
        const bool white = c == 'K' || c == 'Q' || (c >= 'A' && c <= 'H');
        const bool black = c == 'k' || c == 'q' || (c >= 'a' && c <= 'h');
        if (!white && !black)
            return false;
        start.mayCastle[white ? 0 : 1] = true;
        const int row = white ? 8 : 1;
        const int king = kingColumn(board, row, white ? quill::wking : quill::Bking);
        auto& rooks = white ? start.rooks.white : start.rooks.black;
        const char lower = static_cast<char>(white ? c - 'A' + 'a' : c);
        if (lower == 'k' || lower == 'q') {
            if (king != 0)
                rooks[lower == 'k' ? 0 : 1] =
                    outermostRook(board, row, king, lower == 'k' ? 1 : -1, white ? quill::Wrook : quill::Brook);
            continue;
        }
        // A file names the rook (Shredder and X-FEN style): only Chess960 does that.
        const std::int16_t col = static_cast<std::int16_t>(lower - 'a' + 1);
        start.chess960 = true;
        if (king != 0 && col != king)
            rooks[col > king ? 0 : 1] = col;
    }
    return true;
}

bool kingsAndPawnsFit(const quill::BoardModel& board)
{
    int whiteKings = 0;
    int blackKings = 0;
    for (int index = 1; index <= 64; ++index) {
        const quill::PieceNum code = board.codeAt(index);
        whiteKings += code == quill::wking;
        blackKings += code == quill::Bking;
        const bool edgeRank = index <= 8 || index > 56;
        if (edgeRank && (code == quill::Wpawn || code == quill::Bpawn))
            return false;
    }
    return whiteKings == 1 && blackKings == 1;
}

} // namespace

bool isChess960Variant(std::string_view variant)
{
    std::string lower;
    for (const char c : variant) {
        if (c != ' ' && c != '-' && c != '_')
            lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return lower == "chess960" || lower == "fischerandom" || lower == "fischerrandom" || lower == "960";
}

std::optional<GameStart> parseFen(std::string_view fen, bool chess960Variant)
{
    const std::vector<std::string_view> parts = fields(fen);
    if (parts.size() < 2 || parts.size() > 6)
        return std::nullopt;
    GameStart start;
    quill::BoardModel board;
    if (!setPlacement(board, parts[0]) || !kingsAndPawnsFit(board))
        return std::nullopt;
    start.placement = std::string(parts[0]);
    if (parts[1] != "w" && parts[1] != "b")
        return std::nullopt;
    start.sideToMove = parts[1] == "w" ? 1 : 2;
    start.chess960 = chess960Variant;
    if (parts.size() > 2 && !readCastling(parts[2], board, start))
        return std::nullopt;
    if (parts.size() > 3) {
        const std::string_view ep = parts[3];
        const bool square = ep.size() == 2 && ep[0] >= 'a' && ep[0] <= 'h' && (ep[1] == '3' || ep[1] == '6');
        if (ep != "-" && !square)
            return std::nullopt;
        if (square)
            start.enPassant = std::string(ep);
    }
    int clock = 0;
    if (parts.size() > 4 && !readNumber(parts[4], clock))
        return std::nullopt;
    // Move numbers far beyond any game are a damaged field, not a position.
    if (parts.size() > 5 && (!readNumber(parts[5], start.firstMove) || start.firstMove > 9999))
        return std::nullopt;
    if (start.firstMove == 0)
        start.firstMove = 1;
    return start;
}

StartOf gameStart(std::string_view gameText)
{
    const std::size_t fenAt = findTag(gameText, kFenTag);
    return gameStart(gameText, fenAt,
                     fenAt == std::string_view::npos ? std::string_view::npos : findTag(gameText, kVariantTag));
}

StartOf gameStart(std::string_view gameText, std::size_t fenAt, std::size_t variantAt)
{
    StartOf result;
    const std::optional<std::string_view> fen = tagValueAt(gameText, fenAt, kFenTag);
    if (!fen)
        return result;
    const std::optional<std::string_view> variant = tagValueAt(gameText, variantAt, kVariantTag);
    std::optional<GameStart> start = parseFen(*fen, variant && isChess960Variant(*variant));
    if (!start) {
        result.kind = StartKind::BrokenFen;
        return result;
    }
    result.kind = StartKind::FromFen;
    result.start = std::move(*start);
    return result;
}

namespace {

// Black's first move of a game where Black moves first: the token after a
// leading move number with its dots; `rest` is the text after it.
std::string_view blackOpening(std::string_view text, std::string_view& rest)
{
    std::size_t at = text.find_first_not_of(' ');
    if (at == std::string_view::npos)
        return {};
    std::size_t digits = at;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9')
        ++digits;
    if (digits > at) {
        at = digits;
        while (at < text.size() && (text[at] == '.' || text[at] == ' '))
            ++at;
    }
    const std::size_t end = std::min(text.find(' ', at), text.size());
    const std::string_view token = text.substr(at, end - at);
    if (token.empty() || isTerminationMarker(token))
        return {};
    rest = text.substr(end);
    return token;
}

} // namespace

void ListStartMoves(std::string_view movetext, const GameStart& start, std::vector<std::string>& list,
                    std::string& GameResult, const std::string& ResultTag)
{
    const auto listFrom = [&](long first, std::vector<std::string>& lines, std::string& result) {
        if (start.sideToMove == 1) {
            ListMoves(movetext, lines, result, ResultTag, first);
            return;
        }
        std::string_view rest = movetext;
        const std::string_view black = blackOpening(movetext, rest);
        ListMoves(rest, lines, result, ResultTag, first + 1);
        if (!black.empty())
            lines.insert(lines.begin(), moveLine(static_cast<int>(first), "", black));
    };
    listFrom(start.firstMove, list, GameResult);
    if (start.firstMove == 1 || list.size() > (start.sideToMove == 2 ? 1u : 0u))
        return;
    std::vector<std::string> fromOne;
    std::string result = GameResult;
    listFrom(1, fromOne, result);
    if (fromOne.size() > list.size()) {
        list = std::move(fromOne);
        GameResult = std::move(result);
    }
}

std::int16_t castlingRookColumn(const quill::BoardModel& board, std::int16_t row, std::int16_t kingCol, bool kingside,
                                std::int16_t named, quill::PieceNum rook)
{
    const int step = kingside ? 1 : -1;
    if (named != 0 && (named - kingCol) * step > 0 && board.piece(named, row) == rook)
        return named;
    for (int col = kingCol + step; col >= 1 && col <= 8; col += step) {
        if (board.piece(static_cast<std::int16_t>(col), row) == rook)
            return static_cast<std::int16_t>(col);
    }
    return 0;
}

void setStart(quill::BoardModel& board, const GameStart& start)
{
    setPlacement(board, start.placement);
}

} // namespace morvane
