// The decoder on a fresh board: every blank-separated token of the input is
// played as the next half-move. A first line holding a placement sets the board.
#include <cstdint>
#include <string>

#include "board_model.h"
#include "move_decoder.h"
#include "placement.h"

namespace {

class QuietHost : public morvane::DecoderHost {
public:
    void showStatus(const std::string&) override {}
    void requestSound(int, morvane::SoundCause) override {}
    void illegalMove() override {}
    void invalidMove() override {}
    void decodeFailed() override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    quill::BoardModel board;
    board.NewGame();
    if (const std::size_t line = text.find('\n'); line != std::string::npos) {
        if (morvane::setPlacement(board, std::string_view(text).substr(0, line)))
            text.erase(0, line + 1);
    }
    QuietHost host;
    morvane::MoveDecoder decoder(board, host);
    std::size_t start = 0;
    int side = 1;
    while (start < text.size()) {
        std::size_t stop = text.find_first_of(" \n", start);
        if (stop == std::string::npos)
            stop = text.size();
        std::string move = text.substr(start, stop - start);
        decoder.SideToMove = side;
        decoder.ExtractMove(move);
        side = side == 1 ? 2 : 1;
        start = stop + 1;
    }
    (void)morvane::piecePlacement(board);
    return 0;
}
