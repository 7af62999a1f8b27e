#pragma once
// The screensaver's replay: the game loader (Timer2_Timer), one half-move per
// tick (Timer1_Timer) and the default file's index (EnumDefault). Qt-free; the
// Saver screen wires widgets and QTimers to it through ReplayScreen, the
// replay tool runs it with no window.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "board_model.h"
#include "decoder_host.h"
#include "dialogs.h" // platform/: the one Qt-free Dialogs interface
#include "fen.h"
#include "game_file_reader.h"
#include "game_index.h"
#include "move_decoder.h"
#include "move_list.h"
#include "move_pace.h"
#include "replay_screen.h"
#include "settings_access.h"

namespace morvane {

class BackgroundIndex;
class MoveSounds;

// A game whose text is longer than this is treated as a damaged one (an empty
// game): no game of chess needs it, and it bounds what one load may cost.
inline constexpr std::int64_t kMaxGameBytes = std::int64_t{16} << 20;

// Optional listener for whoever reports on the replay (the tool, tests).
class ReplayObserver {
public:
    virtual ~ReplayObserver() = default;
    // A load begins (before the board is reset): the previous game is over.
    virtual void loadStarting() {}
    // Game `gameNumber` stands on the board and its move lines are built.
    virtual void gameLoaded(std::int32_t /*gameNumber*/) {}
    // One White or Black field went through the decoder.
    virtual void halfMoveDecoded(std::string_view /*san*/, DecodeResult /*result*/) {}
};

class ReplayEngine : private DecoderHost {
public:
    // `dataFolder` holds default.pgn and ends in "/" (one is added when
    // missing). `sounds` may be null (no sound at all).
    ReplayEngine(quill::BoardModel& board, ReplayScreen& screen, Dialogs& dialogs, SettingsAccess& settings,
                 MoveSounds* sounds, std::string dataFolder);
    ~ReplayEngine() override;

    // The game loader: chooses the next game, cuts it out of the PGN file,
    // shows its tags, builds its move lines and starts Timer1.
    void Timer2_Timer();
    // One half-move, or the end of the game when the move lines run out.
    void Timer1_Timer();
    // Indexes the games of the file at `path` (trimmed in place) into
    // MatchBegin<n>, MatchEnd<n> and NumOfGames, as the settings dialog's scan
    // does. Returns false when the file cannot be read (nothing is stored).
    bool EnumDefault(std::string& path);

    // State the screen reads or sets.
    std::int32_t GameNumber = 0; // 1-based; the Saver sets FirstGame - 1 before the first load
    std::int32_t MoveIndex = 0;  // the move line to play next
    std::string ResultTag;       // survives games without a Result tag
    std::string GameResult;      // the termination marker of the game last listed
    // The number of the first move line: a game set up from a FEN may begin later.
    std::int32_t FirstMoveNumber = 1;
    // The move lines of the current game (List1), "<n>. " + White + Black fields.
    const std::vector<std::string>& moveLines() const { return moveLines_; }
    std::int32_t SideToMove() const { return decoder_.SideToMove; }
    const MoveDecoder& decoder() const { return decoder_; }

    void setObserver(ReplayObserver* observer) { observer_ = observer; }
    // The random source of the Random setting, a number in [0, 1). By default
    // a generator seeded from the clock at every load.
    void setRandomSource(std::function<double()> source) { random_ = std::move(source); }

    // Runs a task on the user-interface thread later; callable from any thread.
    using Post = std::function<void(std::function<void()>)>;
    // From now on a file the loader must index is scanned on a thread of its
    // own: the loader waits only for the game it shows, and the rest of the
    // index is stored in portions by tasks given to `post`. The stored result
    // is EnumDefault's; PGNFile is saved once the whole index is.
    void indexInBackground(Post post) { post_ = std::move(post); }
    // A background index is still being stored.
    bool indexing() const { return index_ != nullptr; }

private:
    // DecoderHost
    void showStatus(const std::string& text) override;
    void requestSound(int kind, SoundCause cause) override;
    void illegalMove() override;
    void invalidMove() override;
    void decodeFailed() override;

    // A setting the loader reads at every load, kept while the settings
    // report no change: its text and that text's number.
    struct KeptSetting {
        std::uint64_t generation = 0;
        std::string text;
        double number = 0;
    };
    const KeptSetting& setting(KeptSetting& kept, const char* key, const char* defaultValue);

    // Loader steps
    void chooseGameNumber();
    bool locateGame(std::string& pgnFile, std::int64_t& begin, std::int64_t& end);
    void startGame(std::string_view gameText);
    void readSpan(std::int64_t& begin, std::int64_t& end);
    // Index steps: EnumDefault, or a background index when one is allowed.
    // False when the loader must not save PGNFile itself.
    bool indexFile(std::string& path);
    void catchUp(std::int64_t gameNumber);
    void storeIndexed();
    void storeSpans(const std::vector<GameSpan>& spans);
    void finishIndex();
    void showTags(std::string_view gameText);
    DecodeResult play();
    // Before a message box (which runs the event loop) or the load of another
    // game (which rewrites the move lines), the move being played is copied
    // aside and read from there.
    void keepPlaying()
    {
        san_.assign(playing_);
        playing_ = san_;
    }
    void startPace(std::string_view gameText);
    void afterHalfMove(bool black, DecodeResult result)
    {
        // Inline: without captions or clocks every half-move leaves at once.
        // A failed move has loaded another game, and "Invalid Move" ends the replay.
        if (pace_.active() && result != DecodeResult::Failed && result != DecodeResult::Invalid)
            pacedHalfMove(playing_, black);
    }
    void pacedHalfMove(std::string_view san, bool black);

    quill::BoardModel& board_;
    ReplayScreen& screen_;
    Dialogs& dialogs_;
    SettingsAccess& settings_;
    MoveSounds* sounds_;
    std::string dataFolder_;
    MoveDecoder decoder_;
    std::vector<std::string> moveLines_;
    std::vector<FieldSpans> fields_; // where each move line holds its White and Black fields
    std::string_view playing_;       // the field being played, in its move line
    std::string san_;                // that field kept aside (keepPlaying)
    std::string cleaned_;            // the game's movetext, storage kept from game to game
    std::string cleanScratch_;
    std::string label_; // a tag value on its way to the screen
    // The tags a game's start and labels read, found together (startGame).
    enum : std::size_t { kWhiteAt, kBlackAt, kEventAt, kDateAt, kResultAt, kFenAt, kVariantAt, kTagCount };
    static constexpr std::array<std::string_view, kTagCount> kReadTags = {"[White",  "[Black", "[Event",   "[Date",
                                                                          "[Result", kFenTag,  kVariantTag};
    std::array<std::size_t, kTagCount> tagsAt_{};
    KeptSetting timer2_, numOfGames_, randomSetting_, pgnFile_, timer_, showComments_, paceByClock_;
    GameFileReader gameFile_;
    std::string stampPath_; // the PGN file last loaded from, as it was then
    GameFileReader::Stamp stamp_;
    ReplayPace pace_;
    bool paceSet_ = false; // Timer1's interval is the pace's, not the setting's
    ReplayObserver* observer_ = nullptr;
    std::function<double()> random_;
    bool ended_ = false; // the program was told to end
    Post post_;
    std::unique_ptr<BackgroundIndex> index_;
    std::int64_t stored_ = 0; // games of the background index stored so far
};

} // namespace morvane
