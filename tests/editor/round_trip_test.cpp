// Whole real games entered on the editor's board, move by move, with the from-
// and to-squares the product's decoder finds when it replays them: the SAN the
// editor writes must replay to the same final position, and equal the game's
// own SAN except where the editor writes otherwise (mate as "+", a hint for a
// second piece that is pinned, no annotations, "=" in every promotion); and the
// editor must load what it wrote.

#include <gtest/gtest.h>

#include "clean_pgn.h"
#include "editor_fixture.h"
#include "game_index.h"
#include "move_decoder.h"
#include "move_list.h"
#include "pgn_file.h"
#include "test_data.h"

namespace {

struct HalfMove {
    std::string san; // as the game writes it
    std::string from;
    std::string to;
    quill::PieceNum promotion = quill::None;
};

struct Game {
    std::string number;
    std::vector<HalfMove> moves;
    std::string finalPlacement;
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
        if (decoder.ExtractMove(text) != morvane::DecodeResult::Moved || host.reports != 0)
            return std::nullopt;
        if (record) {
            HalfMove move{san, squareName(decoder.FromCol, decoder.FromRow), squareName(decoder.ToCol, decoder.ToRow)};
            if (san[0] == 'O' || san[0] == '0' || san[0] == 'o') {
                const bool queenside = san.size() >= 5 && san[3] == '-';
                move.from = squareName(5, side == 1 ? 8 : 1);
                move.to = squareName(queenside ? 3 : 7, side == 1 ? 8 : 1);
            } else if (san.find('=') != std::string::npos ||
                       ((decoder.ToRow == 1 || decoder.ToRow == 8) && san[0] >= 'a' && san[0] <= 'h')) {
                move.promotion = board.piece(decoder.ToCol, decoder.ToRow);
            }
            record->push_back(move);
        }
        side = 3 - side;
    }
    return morvane::piecePlacement(board);
}

// The games of a real file as the decoder replays them: the squares of each
// move and the final placement (the engine's tests hold every game of these
// files to the placement worked out beside it).
std::vector<Game> replayedGames(const std::string& name)
{
    std::vector<Game> games;
    const auto text = morvane::readWholeFile((testdata::pgnFolder() / (name + ".pgn")).string()).value_or("");
    for (const morvane::GameSpan& span : morvane::IndexGames(text)) {
        std::vector<std::string> lines;
        std::string result;
        morvane::ListMoves(morvane::CleanPGN(morvane::GameText(text, span)).text, lines, result, "");
        Game game{std::to_string(games.size() + 1), {}, {}};
        const auto placement = replay(fieldsOf(lines), &game.moves);
        EXPECT_TRUE(placement.has_value()) << name << " game " << game.number;
        game.finalPlacement = placement.value_or("");
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

// A hint the game leaves out because the other piece is pinned (when the editor
// writes one is the encoder's tests' business).
bool onlyAddsAHint(const std::string& editor, const std::string& game)
{
    const std::size_t extra = editor.size() - game.size();
    return editor.size() > game.size() && extra <= 2 && editor[0] == game[0] &&
           editor.substr(1 + extra) == game.substr(1);
}

TEST(RoundTrip, RealGamesEnteredOnTheBoard)
{
    for (const std::string name : {"100_best_games", "Fischer"}) {
        const std::vector<Game> games = replayedGames(name);
        ASSERT_FALSE(games.empty()) << "no games from " << name;
        for (const Game& game : games) {
            SCOPED_TRACE(name + " game " + game.number);
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
            for (std::size_t i = 0; i < sans.size(); ++i) {
                const std::string own = asEditorWrites(game.moves[i].san);
                EXPECT_TRUE(sans[i] == own || onlyAddsAHint(sans[i], own))
                    << "half-move " << i + 1 << ": editor wrote " << sans[i] << ", the game " << game.moves[i].san;
            }
            EXPECT_EQ(replay(sans).value_or("<not replayed>"), game.finalPlacement);
            edtest::Editor twin;
            twin.load(lines);
            EXPECT_EQ(twin.placement(), game.finalPlacement);
        }
    }
}

} // namespace
