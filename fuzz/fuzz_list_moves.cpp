// ListMoves on any text, and each line it builds read back: no crash, no undefined behaviour, no hang.
#include <cstdint>
#include <string>
#include <vector>

#include "move_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string resultTag = size % 2 ? "1-0" : "";
    std::vector<std::string> lines;
    std::string result = "x";
    morvane::ListMoves(text, lines, result, resultTag);
    for (const std::string& line : lines)
        (void)morvane::moveFields(line);
    return 0;
}
