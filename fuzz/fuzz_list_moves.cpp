// ListMoves on any text: no crash, and the same lines and result as the literal model.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "move_list.h"
#include "reference_pgn.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 8192)
        return 0; // the literal model is quadratic
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string resultTag = size % 2 ? "1-0" : "";
    std::vector<std::string> fastLines;
    std::vector<std::string> slowLines;
    std::string fastResult = "x";
    std::string slowResult = "x";
    morvane::ListMoves(text, fastLines, fastResult, resultTag);
    reference::listMoves(text, slowLines, slowResult, resultTag);
    if (fastLines != slowLines || fastResult != slowResult)
        std::abort();
    for (const std::string& line : fastLines)
        (void)morvane::moveFields(line);
    return 0;
}
