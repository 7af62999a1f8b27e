#include <quillboard/move_show.h>

#include <algorithm>

namespace quill {

namespace {

constexpr std::size_t kMostChangedSquares = 4; // castling

bool isKing(PieceNum code)
{
    return code == wking || code == Bking;
}

// The square a piece arriving as `code` came from: one that held the same piece,
// else (a promotion) one that held a pawn of its side.
int sourceOf(PieceNum code, const Position& before, const std::vector<int>& left, const std::vector<int>& used)
{
    const auto free = [&](int s) { return std::find(used.begin(), used.end(), s) == used.end(); };
    for (const int s : left)
        if (free(s) && before[s] == code)
            return s;
    const PieceNum pawn = isWhite(code) ? Wpawn : Bpawn;
    for (const int s : left)
        if (free(s) && before[s] == pawn)
            return s;
    return 0;
}

} // namespace

MoveShow showMove(const Position& before, const Position& after)
{
    std::vector<int> changed;
    for (int s = 1; s <= 64; ++s)
        if (before[s] != after[s])
            changed.push_back(s);
    MoveShow show;
    if (changed.empty() || changed.size() > kMostChangedSquares)
        return show;
    std::vector<int> left;
    for (const int s : changed)
        if (!isPiece(after[s]) && isPiece(before[s]))
            left.push_back(s);
    std::vector<int> used;
    for (const int s : changed) {
        if (!isPiece(after[s]))
            continue;
        const int from = sourceOf(after[s], before, left, used);
        if (from == 0)
            continue;
        used.push_back(from);
        show.slides.push_back({from, s, after[s]});
    }
    for (const int s : changed)
        if (isPiece(before[s]) && std::find(used.begin(), used.end(), s) == used.end())
            show.taken.push_back({s, before[s]});
    if (show.slides.empty())
        return show;
    const auto king = std::find_if(show.slides.begin(), show.slides.end(),
                                   [](const MoveShow::Slide& slide) { return isKing(slide.code); });
    const MoveShow::Slide& mover = king != show.slides.end() ? *king : show.slides.front();
    show.from = mover.from;
    show.to = mover.to;
    return show;
}

} // namespace quill
