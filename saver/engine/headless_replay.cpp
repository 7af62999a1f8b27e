#include "headless_replay.h"

#include <charconv>

#include "placement.h"

namespace morvane {

void HeadlessReplay::run(ReplayEngine& engine, quill::BoardModel& board, std::int64_t gameCount)
{
    board_ = &board;
    engine.setObserver(this);
    if (gameCount <= 0)
        return;
    engine.GameNumber = 0;
    engine.Timer2_Timer();
    while (!stopped_ && !wrapped_) {
        if (timer1_ && !ended_) {
            engine.Timer1_Timer();
            continue;
        }
        // The game is over (Timer2 is due) or "Invalid Move" ended it.
        ended_ = false;
        if (engine.GameNumber >= gameCount)
            break;
        engine.Timer2_Timer();
    }
    if (!wrapped_)
        finishGame();
    engine.setObserver(nullptr);
    if (out_ && !buffer_.empty())
        std::fwrite(buffer_.data(), 1, buffer_.size(), out_);
    buffer_.clear();
}

void HeadlessReplay::setLabel(ReplayLabel label, const std::string& text)
{
    // The status mostly stays empty from move to move: no copy then.
    if (label == ReplayLabel::Label5 && status_ != text)
        status_ = text;
}

std::string HeadlessReplay::label(ReplayLabel label) const
{
    return label == ReplayLabel::Label5 ? status_ : std::string();
}

MsgAnswer HeadlessReplay::message(const std::string& text, MsgIcon, MsgButtons buttons)
{
    if (outcome_.empty()) {
        // Lines joined by " / ".
        std::size_t start = 0;
        for (;;) {
            const std::size_t stop = text.find("\r\n", start);
            outcome_.append(text, start, stop == std::string::npos ? std::string::npos : stop - start);
            if (stop == std::string::npos)
                break;
            outcome_ += " / ";
            start = stop + 2;
        }
        if (outcome_.empty())
            outcome_ = " ";
    }
    return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Ok;
}

void HeadlessReplay::loadStarting()
{
    finishGame();
    inGame_ = true;
    gameHalfMoves_ = 0;
    outcome_.clear();
}

void HeadlessReplay::gameLoaded(std::int32_t gameNumber)
{
    if (gameNumber <= game_) {
        // A failure in the last game loaded the first one again: the run is over.
        wrapped_ = true;
        inGame_ = false;
        return;
    }
    game_ = gameNumber;
}

void HeadlessReplay::halfMoveDecoded(std::string_view, DecodeResult result)
{
    if (result == DecodeResult::Moved)
        ++gameHalfMoves_;
}

void HeadlessReplay::finishGame()
{
    if (!inGame_ || game_ == 0)
        return;
    inGame_ = false;
    ++summary_.games;
    summary_.halfMoves += gameHalfMoves_;
    if (outcome_.empty())
        ++summary_.ok;
    if (!out_)
        return;
    char number[24];
    auto [end, ec] = std::to_chars(number, number + sizeof number, game_);
    buffer_.append(number, end);
    buffer_ += '\t';
    auto [end2, ec2] = std::to_chars(number, number + sizeof number, gameHalfMoves_);
    buffer_.append(number, end2);
    buffer_ += '\t';
    buffer_ += outcome_.empty() ? "ok" : outcome_;
    buffer_ += '\t';
    buffer_ += piecePlacement(*board_);
    buffer_ += '\n';
    if (buffer_.size() > (1 << 16)) {
        std::fwrite(buffer_.data(), 1, buffer_.size(), out_);
        buffer_.clear();
    }
}

} // namespace morvane
