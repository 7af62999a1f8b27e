// CleanPGN on any bytes: no crash, no undefined behaviour, no hang.
#include <cstdint>
#include <string>

#include "clean_pgn.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    (void)morvane::CleanPGN(text);
    return 0;
}
