#include "replay_engine.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>

#include "background_index.h"
#include "clean_pgn.h"
#include "fen.h"
#include "game_index.h"
#include "move_list.h"
#include "move_sounds.h"
#include "pgn_file.h"
#include "settings_store.h"
#include "tag_value.h"

namespace morvane {

namespace {

constexpr const char* kNotFoundText = "The specfied PGN file is not found, Loading Default";
constexpr const char* kNoDefaultText = "Default File Not found, please specify a PGN file";
constexpr const char* kMatchFinishedText = "Match finished or stopped";

// Games of a background index stored per turn of the event loop: small enough
// that input waits for a few milliseconds at most.
constexpr std::size_t kStorePortion = 4096;

std::int32_t toInt32(double value)
{
    const double r = std::round(value);
    if (!(r >= std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    if (r > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(r);
}

void trimInPlace(std::string& text)
{
    text = std::string(trimBlanks(text));
}

} // namespace

ReplayEngine::ReplayEngine(quill::BoardModel& board, ReplayScreen& screen, Dialogs& dialogs, SettingsAccess& settings,
                           MoveSounds* sounds, std::string dataFolder)
    : board_(board), screen_(screen), dialogs_(dialogs), settings_(settings), sounds_(sounds),
      dataFolder_(std::move(dataFolder)), decoder_(board, *this)
{
    if (!dataFolder_.empty() && dataFolder_.back() != '/' && dataFolder_.back() != '\\')
        dataFolder_ += '/';
}

ReplayEngine::~ReplayEngine() = default;

bool ReplayEngine::EnumDefault(std::string& path)
{
    trimInPlace(path);
    std::vector<GameSpan> spans;
    const std::int64_t count = IndexGameFile(path, [&spans](const GameSpan& span) { spans.push_back(span); });
    if (count < 0)
        return false;
    settings_.saveGameIndex(spans, count);
    return true;
}

bool ReplayEngine::indexFile(std::string& path)
{
    if (!post_) {
        EnumDefault(path);
        return true;
    }
    trimInPlace(path);
    index_.reset();
    stored_ = 0;
    index_ = std::make_unique<BackgroundIndex>(path, [this] { post_([this] { storeIndexed(); }); });
    catchUp(GameNumber);
    return index_ == nullptr;
}

void ReplayEngine::catchUp(std::int64_t gameNumber)
{
    // Waits for the games up to this one only, storing them as they are found,
    // so that what is waiting can never fill the scan's queue.
    const std::int64_t wanted = std::max<std::int64_t>(gameNumber, 1);
    while (stored_ < wanted && !index_->finished()) {
        index_->waitFor(stored_ + 1);
        storeSpans(index_->take(static_cast<std::size_t>(wanted - stored_)));
    }
    if (index_->finished())
        finishIndex();
}

void ReplayEngine::storeIndexed()
{
    if (!index_)
        return;
    const std::vector<GameSpan> spans = index_->take(kStorePortion);
    storeSpans(spans);
    if (index_->finished())
        finishIndex();
    else if (spans.size() == kStorePortion)
        post_([this] { storeIndexed(); });
}

void ReplayEngine::storeSpans(const std::vector<GameSpan>& spans)
{
    if (spans.empty())
        return;
    std::vector<std::pair<std::string, std::string>> values;
    values.reserve(spans.size() * 2);
    for (const GameSpan& span : spans) {
        const std::string n = std::to_string(++stored_);
        values.emplace_back("MatchBegin" + n, std::to_string(span.begin));
        values.emplace_back("MatchEnd" + n, std::to_string(span.end));
    }
    settings_.saveAll(values);
}

void ReplayEngine::finishIndex()
{
    const std::int64_t count = index_->result();
    const std::string path = index_->path();
    index_.reset();
    if (count < 0)
        return;
    settings_.saveAll({{"NumOfGames", std::to_string(count)}, {"PGNFile", path}});
}

const ReplayEngine::KeptSetting& ReplayEngine::setting(KeptSetting& kept, const char* key, const char* defaultValue)
{
    const std::uint64_t now = settings_.generation();
    if (now == 0 || kept.generation != now) {
        kept.text = settings_.get(key, defaultValue);
        kept.number = numericValue(kept.text);
        kept.generation = now;
    }
    return kept;
}

void ReplayEngine::readSpan(std::int64_t& begin, std::int64_t& end)
{
    begin = settings_.gamePosition(GameNumber, false);
    end = settings_.gamePosition(GameNumber, true);
}

void ReplayEngine::Timer2_Timer()
{
    if (observer_)
        observer_->loadStarting();
    decoder_.SideToMove = 2;
    screen_.setTimer2Interval(toInt32(setting(timer2_, "Timer2", "10").number * 1000.0));
    chooseGameNumber();
    MoveIndex = 0;

    std::string pgnFile;
    std::int64_t begin = -1;
    std::int64_t end = -1;
    if (!locateGame(pgnFile, begin, end))
        return;
    // Only the game's own bytes are read, never past the file's end. A damaged
    // span (empty or reversed) or a game beyond any sane size gives an empty
    // game, so no index can make a load cost more than a bounded amount.
    const std::int64_t length = std::min(end, gameFile_.stamp().size + 1) - begin;
    std::string_view text;
    if (length <= kMaxGameBytes)
        text = gameFile_.read(begin, length).value_or(std::string_view());
    startGame(text);
}

void ReplayEngine::chooseGameNumber()
{
    // A missing NumOfGames counts as 0; only equality wraps.
    const double numOfGames = setting(numOfGames_, "NumOfGames", "").number;
    // A huge FirstGame stays at the largest number rather than wrapping round.
    if (GameNumber < std::numeric_limits<std::int32_t>::max())
        GameNumber += 1;
    if (GameNumber == 0)
        GameNumber = 1;
    if (GameNumber == numOfGames + 1)
        GameNumber = 1;
    if (setting(randomSetting_, "Random", "0").number == 0)
        return;
    double r = 0;
    if (random_) {
        r = random_();
    } else {
        std::mt19937_64 generator(
            static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
        r = std::uniform_real_distribution<double>(0.0, 1.0)(generator);
    }
    GameNumber = toInt32(std::floor(r * numOfGames + 1));
}

bool ReplayEngine::locateGame(std::string& pgnFile, std::int64_t& begin, std::int64_t& end)
{
    // While an index is being stored, its file is the one played.
    if (index_) {
        catchUp(GameNumber);
        pgnFile = index_ ? index_->path() : setting(pgnFile_, "PGNFile", "no file").text;
    } else {
        pgnFile = setting(pgnFile_, "PGNFile", "no file").text;
    }
    readSpan(begin, end);

    // Built only when needed: most loads never fall back.
    std::string defaultFile;
    // Falls back to the data folder's default file; false when loading stops.
    const auto useDefault = [&] {
        if (defaultFile.empty())
            defaultFile = dataFolder_ + "default.pgn";
        if (!isFile(defaultFile)) {
            dialogs_.message(kNoDefaultText, MsgIcon::Critical, MsgButtons::Ok);
            screen_.showCursor();
            screen_.showSettingsDialog();
            screen_.unloadSaver();
            return false;
        }
        const bool saveNow = indexFile(defaultFile);
        pgnFile = defaultFile;
        if (saveNow)
            settings_.save("PGNFile", pgnFile);
        readSpan(begin, end);
        if (begin == -1) {
            // Indexed, but still no game of this number.
            screen_.hideSaver();
            screen_.showCursor();
            screen_.showSettingsDialog();
            return false;
        }
        return true;
    };

    if ((begin == -1 || pgnFile == "no file") && !useDefault())
        return false;
    if (trimBlanks(pgnFile).empty() || !gameFile_.exists(pgnFile)) {
        dialogs_.message(kNotFoundText, MsgIcon::Critical, MsgButtons::Ok);
        if (!useDefault())
            return false;
        gameFile_.exists(pgnFile);
    }
    // A file changed since its index was made would be cut at stale positions:
    // it is indexed again first, as the dialog's scan would.
    if (pgnFile == stampPath_ && !(gameFile_.stamp() == stamp_)) {
        std::string path = pgnFile;
        indexFile(path);
        readSpan(begin, end);
        if (begin == -1) {
            GameNumber = 1;
            readSpan(begin, end);
        }
    }
    stampPath_ = pgnFile;
    stamp_ = gameFile_.stamp();
    return true;
}

void ReplayEngine::startGame(std::string_view gameText)
{
    board_.NewGame();
    findTags(gameText, kReadTags, tagsAt_);
    const StartOf start = gameStart(gameText, tagsAt_[kFenAt], tagsAt_[kVariantAt]);
    decoder_.Chess960 = start.kind == StartKind::FromFen && start.start.chess960;
    decoder_.Rooks = start.start.rooks;
    FirstMoveNumber = start.kind == StartKind::FromFen ? start.start.firstMove : 1;
    if (start.kind == StartKind::FromFen)
        setStart(board_, start.start);
    showTags(gameText);
    if (start.kind == StartKind::BrokenFen) {
        // Nothing of the game can be placed: it is reported and the loader
        // moves on after its pause, as after any other damaged game.
        dialogs_.message(kDecodeFailedText, MsgIcon::None, MsgButtons::Ok);
        moveLines_.clear();
        fields_.clear();
        GameResult.clear();
        screen_.clearMoveList();
        screen_.setTimer1Enabled(false);
        screen_.setTimer2Enabled(true);
        if (observer_)
            observer_->gameLoaded(GameNumber);
        return;
    }
    const Imbalance imbalance = CleanPGNInto(gameText, cleaned_, cleanScratch_);
    if (imbalance != Imbalance::None)
        dialogs_.message(imbalanceMessage(imbalance), MsgIcon::Critical, MsgButtons::Ok);
    if (start.kind == StartKind::FromFen) {
        ListStartMoves(cleaned_, start.start, moveLines_, GameResult, ResultTag);
        fields_.clear();
        for (const std::string& line : moveLines_)
            fields_.push_back(fieldSpans(line));
    } else {
        ListMovesInPlace(cleaned_, moveLines_, GameResult, ResultTag, 1, &fields_);
    }
    startPace(gameText);

    screen_.clearMoveList();
    screen_.setTimer1Enabled(true);
    screen_.setTimer2Enabled(false);
    if (observer_)
        observer_->gameLoaded(GameNumber);
}

void ReplayEngine::showTags(std::string_view gameText)
{
    struct Shown {
        std::size_t tag; // in kReadTags
        std::size_t offset;
        ReplayLabel label;
    };
    static constexpr Shown kShown[] = {
        {kWhiteAt, 6, ReplayLabel::Label2},
        {kBlackAt, 6, ReplayLabel::Label1},
        {kEventAt, 1, ReplayLabel::Label3},
        {kDateAt, 1, ReplayLabel::Label4},
    };
    for (const Shown& shown : kShown) {
        // One text for every label: its storage is kept from game to game.
        label_.assign(tagFragmentAt(gameText, tagsAt_[shown.tag], shown.offset));
        blankTagMarks(label_);
        screen_.setLabel(shown.label, label_);
    }
    // The Result value without its closing quote; a game without the tag keeps
    // the value of an earlier one.
    const std::size_t p = tagsAt_[kResultAt];
    if (p != std::string_view::npos) {
        std::size_t q = gameText.find(']', p + 1);
        if (q == std::string_view::npos)
            q = gameText.size();
        label_.assign(q >= p + 8 ? gameText.substr(p + 7, q - p - 8) : std::string_view());
        blankTagMarks(label_);
        ResultTag = trimBlanks(label_);
    }
}

void ReplayEngine::Timer1_Timer()
{
    if (MoveIndex < 0 || static_cast<std::size_t>(MoveIndex) >= moveLines_.size()) {
        screen_.setTimer1Enabled(false);
        screen_.setTimer2Enabled(true);
        if (GameResult == "0-1" || GameResult == "1-0" || GameResult == "1/2-1/2") {
            decoder_.ExtractMove(GameResult);
        } else if (screen_.label(ReplayLabel::Label5).empty()) {
            screen_.setLabel(ReplayLabel::Label5, kMatchFinishedText);
        }
        return;
    }

    decoder_.SideToMove = decoder_.SideToMove == 2 ? 1 : 2;
    const FieldSpans& fields = fields_[static_cast<std::size_t>(MoveIndex)];
    const std::string& line = moveLines_[static_cast<std::size_t>(MoveIndex)];
    if (decoder_.SideToMove == 1) {
        playing_ = fields.white(line);
        screen_.printWhiteMove(MoveIndex + FirstMoveNumber, playing_);
        afterHalfMove(false, play());
        return;
    }
    playing_ = fields.black(line);
    screen_.printBlackMove(playing_);
    const DecodeResult result = play();
    afterHalfMove(true, result);
    // After a failure the next game is already loaded and keeps its MoveIndex 0;
    // after "Invalid Move" the program is ending.
    if (result != DecodeResult::Failed && result != DecodeResult::Invalid)
        ++MoveIndex;
}

DecodeResult ReplayEngine::play()
{
    // An empty field is no move: nothing is decoded for it.
    if (playing_.empty())
        return DecodeResult::NoEffect;
    const DecodeResult result = decoder_.ExtractMove(playing_);
    if (observer_)
        observer_->halfMoveDecoded(playing_, result);
    return result;
}

void ReplayEngine::startPace(std::string_view gameText)
{
    const std::int32_t moveMs = toInt32(setting(timer_, "Timer", "2").number * 1000.0);
    pace_.load(gameText, settingIsTrue(setting(showComments_, "ShowComments", "0").text),
               setting(paceByClock_, "PaceByClock", "0").number, moveMs);
    if (!pace_.active()) {
        // The setting's interval again after a game that had its own pace.
        if (paceSet_)
            screen_.setTimer1Interval(moveMs);
        paceSet_ = false;
        return;
    }
    if (pace_.captions())
        screen_.showCaption({});
    if (!moveLines_.empty()) {
        const std::int64_t first = halfMoveKey(std::strtoll(moveLines_.front().c_str(), nullptr, 10), false);
        screen_.setTimer1Interval(pace_.waitBefore(fields_.front().whiteSize == 0 ? first + 1 : first));
        paceSet_ = true;
    }
}

// The caption of the move now on the board, and the wait before the next one.
void ReplayEngine::pacedHalfMove(std::string_view san, bool black)
{
    const std::int64_t number = std::strtoll(moveLines_[static_cast<std::size_t>(MoveIndex)].c_str(), nullptr, 10);
    const std::int64_t key = halfMoveKey(number, black);
    const bool played = !san.empty() && !isTerminationMarker(san);
    if (played && pace_.captions())
        screen_.showCaption(pace_.caption(key));
    screen_.setTimer1Interval(pace_.waitAfter(key, played));
    paceSet_ = true;
}

void ReplayEngine::showStatus(const std::string& text)
{
    screen_.setLabel(ReplayLabel::Label5, text);
}

void ReplayEngine::requestSound(int kind, SoundCause /*cause*/)
{
    if (sounds_)
        sounds_->PlayMoveSound(kind);
}

void ReplayEngine::illegalMove()
{
    keepPlaying();
    dialogs_.message(kIllegalMoveText, MsgIcon::Critical, MsgButtons::Ok);
    playing_ = san_;
}

void ReplayEngine::invalidMove()
{
    keepPlaying();
    dialogs_.message(kInvalidMoveText, MsgIcon::Critical, MsgButtons::Ok);
    playing_ = san_;
    screen_.endProgram();
}

void ReplayEngine::decodeFailed()
{
    keepPlaying();
    dialogs_.message(kDecodeFailedText, MsgIcon::None, MsgButtons::Ok);
    Timer2_Timer();
    playing_ = san_;
}

} // namespace morvane
