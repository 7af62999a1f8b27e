// Whole real games entered on the editor's board, move by move, with the from-
// and to-squares the product's decoder finds when it replays them: the SAN the
// editor writes must replay to the same final position, and equal the game's
// own SAN except where the editor writes otherwise (mate as "+", a hint for a
// second piece that is pinned, no annotations, "=" in every promotion).

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

#include "clean_pgn.h"
#include "editor_fixture.h"
#include "game_index.h"
#include "move_decoder.h"
#include "move_list.h"
#include "pgn_file.h"

namespace {

struct HalfMove {
    std::string san; // as the game writes it
    std::string from;
    std::string to;
    quill::PieceNum promotion = quill::None;
    // Another piece of the kind reaches the to-square by pattern, and every such
    // piece is pinned: the game writes no hint, the editor does.
    bool pinnedOther = false;
};

struct Game {
    int number = 0;
    std::vector<HalfMove> moves;
    std::string finalPlacement;
    std::vector<std::string> lines; // the game's own move lines
};

class CountingHost : public morvane::DecoderHost {
public:
    void showStatus(const std::string&) override {}
    void requestSound(int, morvane::SoundCause) override {}
    void illegalMove() override { ++reports; }
    void invalidMove() override { ++reports; }
    void decodeFailed() override { ++reports; }
    int reports = 0;
};

std::string squareName(int col, int row)
{
    return {static_cast<char>('a' + col - 1), static_cast<char>('0' + 9 - row)};
}

std::string dataFile(const std::string& name)
{
    // The environment names the test data; tests/data of the configured source
    // tree is where it lives when the test runner does not pass that on.
    const char* root = std::getenv("MORVANE3_TEST_DATA");
    return std::string(root ? root : MORVANE3_DEFAULT_TEST_DATA) + "/pgn/" + name;
}

// Game number -> (half-moves, final placement) for the standard-start games.
std::map<int, std::pair<int, std::string>> expectedGames(const std::string& path)
{
    std::map<int, std::pair<int, std::string>> games;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string number, halfMoves, placement;
        std::getline(fields, number, '\t');
        std::getline(fields, halfMoves, '\t');
        std::getline(fields, placement, '\t');
        if (halfMoves == "skip" || placement.empty())
            continue;
        games[std::stoi(number)] = {std::stoi(halfMoves), placement};
    }
    return games;
}

std::vector<std::string> fieldsOf(const std::vector<std::string>& lines)
{
    std::vector<std::string> sans;
    for (const std::string& line : lines) {
        const morvane::MoveFields fields = morvane::moveFields(line);
        for (const std::string& san : {fields.white, fields.black})
            if (!san.empty())
                sans.push_back(san);
    }
    return sans;
}

bool leavesKingAttacked(const quill::BoardModel& before, int fromCol, int fromRow, int toCol, int toRow)
{
    quill::BoardModel board = before;
    board.MovePiece(static_cast<std::int16_t>(fromCol), static_cast<std::int16_t>(fromRow),
                    static_cast<std::int16_t>(toCol), static_cast<std::int16_t>(toRow));
    return board.IsKingChecked(
        quill::isWhite(before.piece(static_cast<std::int16_t>(fromCol), static_cast<std::int16_t>(fromRow)))
            ? quill::wking
            : quill::Bking);
}

bool onlyPinnedOthersReach(const quill::BoardModel& before, const morvane::MoveDecoder& move)
{
    const quill::PieceNum code = before.piece(move.FromCol, move.FromRow);
    bool any = false;
    for (std::int16_t col = 1; col <= 8; ++col) {
        for (std::int16_t row = 1; row <= 8; ++row) {
            if ((col == move.FromCol && row == move.FromRow) || before.piece(col, row) != code ||
                !before.IsLegalMove(col, row, move.ToCol, move.ToRow))
                continue;
            if (!leavesKingAttacked(before, col, row, move.ToCol, move.ToRow))
                return false;
            any = true;
        }
    }
    return any;
}

// Replays `sans` (White first) through the decoder; the final placement, or
// nothing when a move was not carried out.
std::optional<std::string> replay(const std::vector<std::string>& sans, std::vector<HalfMove>* record = nullptr)
{
    quill::BoardModel board;
    board.NewGame();
    CountingHost host;
    morvane::MoveDecoder decoder(board, host);
    int side = 1;
    for (const std::string& san : sans) {
        if (morvane::isTerminationMarker(san))
            continue;
        decoder.SideToMove = side;
        std::string text = san;
        const quill::BoardModel before = board;
        if (decoder.ExtractMove(text) != morvane::DecodeResult::Moved || host.reports != 0)
            return std::nullopt;
        if (record) {
            HalfMove move{san, squareName(decoder.FromCol, decoder.FromRow), squareName(decoder.ToCol, decoder.ToRow)};
            if (san[0] == 'O' || san[0] == '0' || san[0] == 'o') {
                const int row = side == 1 ? 8 : 1;
                const bool queenside = san.find("-O-") != std::string::npos || san.find("-0-") != std::string::npos ||
                                       san.find("-o-") != std::string::npos;
                move.from = squareName(5, row);
                move.to = squareName(queenside ? 3 : 7, row);
            } else if (san.find('=') != std::string::npos ||
                       ((decoder.ToRow == 1 || decoder.ToRow == 8) && san[0] >= 'a' && san[0] <= 'h')) {
                move.promotion = board.piece(decoder.ToCol, decoder.ToRow);
            } else if (san[0] >= 'B' && san[0] <= 'R') {
                move.pinnedOther = onlyPinnedOthersReach(before, decoder);
            }
            record->push_back(move);
        }
        side = side == 1 ? 2 : 1;
    }
    return morvane::piecePlacement(board);
}

std::vector<Game> standardGames(const std::string& name, int& notReplayed)
{
    std::vector<Game> games;
    const auto text = morvane::readWholeFile(dataFile(name + ".pgn"));
    if (!text)
        return games;
    const auto expected = expectedGames(dataFile(name + ".expected.tsv"));
    const std::vector<morvane::GameSpan> spans = morvane::IndexGames(*text);
    for (const auto& [number, want] : expected) {
        if (number < 1 || number > static_cast<int>(spans.size()))
            continue;
        const morvane::CleanResult clean =
            morvane::CleanPGN(morvane::GameText(*text, spans[static_cast<std::size_t>(number - 1)]));
        std::vector<std::string> lines;
        std::string result;
        morvane::ListMoves(clean.text, lines, result, "");
        Game game{number, {}, want.second, lines};
        const auto placement = replay(fieldsOf(lines), &game.moves);
        if (!placement || *placement != want.second || static_cast<int>(game.moves.size()) != want.first) {
            ++notReplayed;
            continue;
        }
        games.push_back(std::move(game));
    }
    return games;
}

// The game's SAN as the editor writes it: no annotations, "+" for mate, "="
// before a promoted piece, castling with capital O.
std::string asEditorWrites(std::string san)
{
    while (!san.empty() && (san.back() == '!' || san.back() == '?'))
        san.pop_back();
    if (!san.empty() && san.back() == '#')
        san.back() = '+';
    if (san.starts_with("0-0") || san.starts_with("o-o"))
        for (char& c : san)
            if (c == '0' || c == 'o')
                c = 'O';
    const std::size_t piece = san.find_first_of("QRBN", 1);
    if (san[0] >= 'a' && san[0] <= 'h' && piece != std::string::npos && san[piece - 1] != '=')
        san.insert(piece, "=");
    return san;
}

// A hint the game leaves out because the other piece is pinned.
bool onlyAddsAHint(const std::string& editor, const std::string& game)
{
    if (editor.size() <= game.size() || editor.size() > game.size() + 2 || editor[0] != game[0])
        return false;
    const std::size_t extra = editor.size() - game.size();
    return editor.substr(1 + extra) == game.substr(1);
}

void roundTrip(const std::string& name)
{
    int notReplayed = 0;
    const std::vector<Game> games = standardGames(name, notReplayed);
    ASSERT_FALSE(games.empty()) << "no games from " << dataFile(name + ".pgn");
    for (const Game& game : games) {
        SCOPED_TRACE(name + " game " + std::to_string(game.number));
        edtest::Editor editor;
        for (const HalfMove& move : game.moves) {
            if (move.promotion != quill::None)
                editor.promotions.push_back(move.promotion);
            editor.drag(move.from, move.to);
        }
        EXPECT_TRUE(editor.dialogs.messages.empty());
        editor.click(editor.button("OK"));
        const std::vector<std::string> lines = editor.form->moveLines();
        const std::vector<std::string> sans = fieldsOf(lines);
        ASSERT_EQ(sans.size(), game.moves.size());

        bool hinted = false;
        for (std::size_t i = 0; i < sans.size(); ++i) {
            const std::string& own = game.moves[i].san;
            const std::string want = asEditorWrites(own);
            if (sans[i] == want)
                continue;
            if (game.moves[i].pinnedOther && onlyAddsAHint(sans[i], want)) {
                hinted = true;
                continue;
            }
            ADD_FAILURE() << "half-move " << i + 1 << ": editor wrote " << sans[i] << ", the game " << own;
        }
        EXPECT_EQ(replay(sans).value_or("<not replayed>"), game.finalPlacement);

        edtest::Editor twin;
        twin.load(lines);
        EXPECT_EQ(twin.placement(), game.finalPlacement);

        // The game's own SAN, without the hint a pinned piece makes unneeded,
        // loads as well.
        if (hinted) {
            edtest::Editor own;
            own.load(game.lines);
            EXPECT_EQ(own.placement(), game.finalPlacement);
            EXPECT_TRUE(own.dialogs.messages.empty());
        }
    }
    EXPECT_EQ(notReplayed, 0);
}

TEST(RoundTrip, HundredBestGames)
{
    roundTrip("100_best_games");
}

TEST(RoundTrip, Fischer)
{
    roundTrip("Fischer");
}

} // namespace
