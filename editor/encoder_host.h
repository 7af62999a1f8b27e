#pragma once
// What the move encoder asks of the editor around it: two messages and the
// promotion choice. The editor shows message boxes and the promotion dialog;
// tests answer from a script.

#include <quillboard/piece_codes.h>

namespace morvane {

class EncoderHost {
public:
    virtual ~EncoderHost() = default;
    // The dropped move breaks the piece's movement pattern; it is recorded anyway.
    virtual void illegalMoveWarning() = 0;
    // The side has castled already in this game; the castling is refused.
    virtual void cantCastle() = 0;
    // The piece a pawn of `side` (1 White, 2 Black) becomes on the last rank.
    virtual quill::PieceNum Promote(int side) = 0;
};

// The texts of the two messages, exactly as users see them.
inline constexpr const char* kIllegalMoveWarningText = "    Illegal Move ";
inline constexpr const char* kCantCastleText = "Can't Castle";

} // namespace morvane
