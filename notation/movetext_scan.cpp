#include "movetext_scan.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace morvane {

std::size_t findEllipsis(const std::string& s, std::size_t from)
{
    const char* text = s.data();
    const std::size_t size = s.size();
    std::size_t i = from;
#if defined(__SSE2__)
    const __m128i dot = _mm_set1_epi8('.');
    const auto dots = [text, dot](std::size_t at) {
        return _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(text + at)), dot);
    };
    for (; i + 18 <= size; i += 16) {
        const int mask = _mm_movemask_epi8(_mm_and_si128(_mm_and_si128(dots(i), dots(i + 1)), dots(i + 2)));
        if (mask != 0)
            return i + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
    }
#endif
    for (; i + 3 <= size; ++i) {
        if (text[i] == '.' && text[i + 1] == '.' && text[i + 2] == '.')
            return i;
    }
    return std::string::npos;
}

void CharMap::build(const std::string& s)
{
    size_ = s.size();
    const std::size_t words = size_ / 64 + 1; // bits past the end stay clear
    blanks_.assign(words, 0);
    dots_.assign(words, 0);
    const char* p = s.data();
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i blank = _mm_set1_epi8(' ');
    const __m128i dot = _mm_set1_epi8('.');
    const auto maskOf = [](__m128i equal) {
        return static_cast<std::uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(equal)));
    };
    for (; i + 16 <= size_; i += 16) {
        const __m128i chars = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        blanks_[i / 64] |= maskOf(_mm_cmpeq_epi8(chars, blank)) << (i % 64);
        dots_[i / 64] |= maskOf(_mm_cmpeq_epi8(chars, dot)) << (i % 64);
    }
#endif
    for (; i < size_; ++i) {
        blanks_[i / 64] |= static_cast<std::uint64_t>(p[i] == ' ') << (i % 64);
        dots_[i / 64] |= static_cast<std::uint64_t>(p[i] == '.') << (i % 64);
    }
}

} // namespace morvane
