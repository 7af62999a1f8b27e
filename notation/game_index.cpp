#include "game_index.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <memory>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace morvane {

namespace {

constexpr char kEvent[] = "[Event ";
constexpr std::size_t kEventLen = 7;

bool isEventAt(const char* p, const char* end)
{
    return static_cast<std::size_t>(end - p) >= kEventLen && std::memcmp(p, kEvent, kEventLen) == 0;
}

// 0-based offset of the first "[Event " at or after `from`, or npos.
// Looks for "[E" sixteen positions at a time, then confirms the rest.
std::size_t findEvent(std::string_view text, std::size_t from)
{
    const char* base = text.data();
    const char* end = base + text.size();
    const char* p = base + from;
    if (text.size() < kEventLen || from > text.size() - kEventLen)
        return std::string_view::npos;
    const char* last = end - kEventLen; // last possible start
#if defined(__SSE2__)
    const __m128i bracket = _mm_set1_epi8('[');
    const __m128i letter = _mm_set1_epi8('E');
    while (p + 17 <= end) {
        __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 1));
        unsigned mask = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, bracket), _mm_cmpeq_epi8(b, letter))));
        while (mask != 0) {
            const char* hit = p + __builtin_ctz(mask);
            if (hit > last)
                return std::string_view::npos;
            if (isEventAt(hit, end))
                return static_cast<std::size_t>(hit - base);
            mask &= mask - 1;
        }
        p += 16;
    }
#endif
    for (; p <= last; ++p) {
        if (*p == '[' && isEventAt(p, end))
            return static_cast<std::size_t>(p - base);
    }
    return std::string_view::npos;
}

} // namespace

std::int64_t FindEventTag(std::string_view text, std::int64_t from)
{
    if (from < 1)
        from = 1;
    if (static_cast<std::uint64_t>(from - 1) >= text.size())
        return 0;
    std::size_t hit = findEvent(text, static_cast<std::size_t>(from - 1));
    return hit == std::string_view::npos ? 0 : static_cast<std::int64_t>(hit) + 1;
}

std::int64_t IndexGames(std::string_view fileText, const std::function<void(const GameSpan&)>& onGame)
{
    // The scanned text is fileText + CR LF; "[Event " cannot reach into the CR LF,
    // so searching fileText alone finds the same tags.
    const std::int64_t scannedLength = static_cast<std::int64_t>(fileText.size()) + 2;
    std::int64_t count = 0;
    std::size_t begin = findEvent(fileText, 0);
    while (begin != std::string_view::npos) {
        std::size_t next = findEvent(fileText, begin + 1);
        GameSpan span;
        span.begin = static_cast<std::int64_t>(begin) + 1;
        span.end = next == std::string_view::npos ? scannedLength - 1 : static_cast<std::int64_t>(next);
        onGame(span);
        ++count;
        begin = next;
    }
    return count;
}

std::int64_t IndexGameFile(const std::string& path, const std::function<void(const GameSpan&)>& onGame,
                           std::size_t blockSize)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    // Closed however the scan ends: `onGame` may throw to stop it.
    const std::unique_ptr<const int, void (*)(const int*)> closer(&fd, [](const int* f) { ::close(*f); });
    // The last kEventLen - 1 bytes of a block are carried over: a tag that
    // straddles two blocks is found, and none is found twice.
    constexpr std::size_t carryMax = kEventLen - 1;
    blockSize = std::max(blockSize, std::size_t{1});
    std::unique_ptr<char[]> buffer(new char[carryMax + blockSize]);
    std::size_t carried = 0;
    std::int64_t base = 0; // file offset of buffer[0]
    std::int64_t pending = 0;
    std::int64_t count = 0;
    for (;;) {
        const ssize_t n = ::read(fd, buffer.get() + carried, blockSize);
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        const std::string_view window(buffer.get(), carried + static_cast<std::size_t>(n));
        for (std::size_t hit = findEvent(window, 0); hit != std::string_view::npos; hit = findEvent(window, hit + 1)) {
            const std::int64_t offset = base + static_cast<std::int64_t>(hit);
            if (pending != 0) {
                onGame(GameSpan{pending, offset});
                ++count;
            }
            pending = offset + 1;
        }
        const std::size_t keep = std::min(carryMax, window.size());
        std::memmove(buffer.get(), window.data() + window.size() - keep, keep);
        base += static_cast<std::int64_t>(window.size() - keep);
        carried = keep;
    }
    const std::int64_t size = base + static_cast<std::int64_t>(carried);
    if (pending != 0) {
        onGame(GameSpan{pending, size + 1});
        ++count;
    }
    return count;
}

std::vector<GameSpan> IndexGames(std::string_view fileText)
{
    std::vector<GameSpan> games;
    IndexGames(fileText, [&games](const GameSpan& span) { games.push_back(span); });
    return games;
}

std::string_view GameText(std::string_view fileText, const GameSpan& span)
{
    if (span.end <= span.begin || span.begin < 1)
        return {};
    const auto start = static_cast<std::uint64_t>(span.begin - 1);
    if (start >= fileText.size())
        return {};
    return fileText.substr(start, static_cast<std::size_t>(span.end - span.begin));
}

} // namespace morvane
