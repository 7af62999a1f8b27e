#pragma once
// The replay with no window: a screen, dialogs and observer that turn what the
// screensaver would show into one report line per game.

#include <cstdint>
#include <cstdio>
#include <string>

#include "board_model.h"
#include "dialogs.h"
#include "replay_engine.h"
#include "replay_screen.h"

namespace morvane {

struct ReplaySummary {
    std::int64_t games = 0;
    std::int64_t ok = 0;
    std::int64_t halfMoves = 0;
};

class HeadlessReplay : public ReplayScreen, public MessageOnlyDialogs, public ReplayObserver {
public:
    // Lines go to `out` when it is not null ("<game>\t<half-moves>\t<outcome>\t<placement>\n").
    explicit HeadlessReplay(std::FILE* out) : out_(out) {}

    // Replays games 1..gameCount of the indexed file through `engine`, in order.
    void run(ReplayEngine& engine, quill::BoardModel& board, std::int64_t gameCount);
    const ReplaySummary& summary() const { return summary_; }

    // ReplayScreen
    void setLabel(ReplayLabel label, const std::string& text) override;
    std::string label(ReplayLabel label) const override;
    void clearMoveList() override {}
    void printWhiteMove(std::int32_t, std::string_view) override {}
    void printBlackMove(std::string_view) override {}
    void setTimer1Enabled(bool on) override { timer1_ = on; }
    void setTimer2Enabled(bool on) override { timer2_ = on; }
    void setTimer2Interval(std::int32_t) override {}
    void showCursor() override {}
    void hideSaver() override { stopped_ = true; }
    void unloadSaver() override { stopped_ = true; }
    void showSettingsDialog() override {}
    void endProgram() override { ended_ = true; }

    // Dialogs: the first message of a game becomes its outcome.
    MsgAnswer message(const std::string& text, MsgIcon icon, MsgButtons buttons) override;

    // ReplayObserver
    void loadStarting() override;
    void gameLoaded(std::int32_t gameNumber) override;
    void halfMoveDecoded(std::string_view san, DecodeResult result) override;

private:
    void finishGame();

    std::FILE* out_;
    std::string buffer_;
    quill::BoardModel* board_ = nullptr;
    ReplaySummary summary_;
    std::string status_;
    bool timer1_ = false;
    bool timer2_ = false;
    bool ended_ = false;
    bool stopped_ = false;
    bool wrapped_ = false;
    // The game being played
    bool inGame_ = false;
    std::int32_t game_ = 0;
    std::int64_t gameHalfMoves_ = 0;
    std::string outcome_;
};

} // namespace morvane
