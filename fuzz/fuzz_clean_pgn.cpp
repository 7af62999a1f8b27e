// CleanPGN on any bytes: no crash, and the same result as the literal model.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "clean_pgn.h"
#include "reference_pgn.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 8192)
        return 0; // the literal model is quadratic
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto fast = morvane::CleanPGN(text);
    const auto slow = reference::cleanPGN(text);
    if (fast.text != slow.text || static_cast<int>(fast.imbalance) != slow.stage)
        std::abort();
    return 0;
}
