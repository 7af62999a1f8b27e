#pragma once
// Fast scans over a movetext: where its blanks and periods stand, and where
// its "..." marks are. Listing the move lines asks these for every token.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace morvane {

// The first "..." at or after `from`. Movetext holds a period for every move
// number: sixteen characters a step rather than a compare at each period.
std::size_t findEllipsis(const std::string& s, std::size_t from);

// Where the blanks and periods of a movetext stand, one bit a character: the
// next blank, non-blank or period is a bit scan instead of a character loop
// that mispredicts at the end of every token.
class CharMap {
public:
    void build(const std::string& s);

    // The first blank, non-blank or period at or after `from`; npos when none.
    std::size_t nextBlank(std::size_t from) const { return next(blanks_, from, false); }
    std::size_t nextNonBlank(std::size_t from) const { return next(blanks_, from, true); }
    std::size_t nextDot(std::size_t from) const { return next(dots_, from, false); }

    // The last period at or before `pos` (rfind); npos when none.
    std::size_t lastDot(std::size_t pos) const
    {
        if (size_ == 0)
            return std::string::npos;
        pos = std::min(pos, size_ - 1);
        std::size_t w = pos / 64;
        const unsigned keep = static_cast<unsigned>(pos % 64) + 1;
        std::uint64_t word = dots_[w] & (keep == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << keep) - 1);
        while (word == 0) {
            if (w == 0)
                return std::string::npos;
            word = dots_[--w];
        }
        return w * 64 + 63 - static_cast<std::size_t>(__builtin_clzll(word));
    }

    // The text was blanked from `from` up to `to`.
    void blankRange(std::size_t from, std::size_t to)
    {
        for (std::size_t i = from; i < to; ++i) {
            blanks_[i / 64] |= std::uint64_t{1} << (i % 64);
            dots_[i / 64] &= ~(std::uint64_t{1} << (i % 64));
        }
    }

private:
    std::size_t next(const std::vector<std::uint64_t>& bits, std::size_t from, bool inverted) const
    {
        if (from >= size_)
            return std::string::npos;
        std::size_t w = from / 64;
        std::uint64_t word = (inverted ? ~bits[w] : bits[w]) & (~std::uint64_t{0} << (from % 64));
        while (word == 0) {
            if (++w == bits.size())
                return std::string::npos;
            word = inverted ? ~bits[w] : bits[w];
        }
        const std::size_t at = w * 64 + static_cast<std::size_t>(__builtin_ctzll(word));
        return at < size_ ? at : std::string::npos;
    }

    std::size_t size_ = 0;
    std::vector<std::uint64_t> blanks_;
    std::vector<std::uint64_t> dots_;
};

} // namespace morvane
