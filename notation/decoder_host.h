#pragma once
// What the move decoder tells the world around it. The screensaver's replay
// shows message boxes, the status label and sounds; the game editor's twin
// shows less and never ends the program; the replay tool records outcomes.

#include <string>

namespace morvane {

// Why a sound is requested, so a host can keep only some of them (the editor
// plays only a promotion's).
enum class SoundCause { Move, PawnCapture, Promotion, CastlingRook, CastlingKing };

class DecoderHost {
public:
    virtual ~DecoderHost() = default;
    // The status label shows `text`: a result, a check notice, or empty.
    virtual void showStatus(const std::string& text) = 0;
    // Sound for the move: kind 1 move, 2 capture, 3 castling.
    virtual void requestSound(int kind, SoundCause cause) = 0;
    // No piece of the named kind reaches the to-square ("Illegal move",
    // critical icon, OK). The move is skipped afterwards.
    virtual void illegalMove() = 0;
    // The first character names no piece, castling or file ("Invalid Move",
    // critical icon, OK). The screensaver ends the program here.
    virtual void invalidMove() = 0;
    // The move could not be read or carried out (the three-line message, no
    // icon); the screensaver then loads the next game.
    virtual void decodeFailed() = 0;
};

// The texts hosts show for the reports above, exactly as users see them.
inline constexpr const char* kIllegalMoveText = "Illegal move";
inline constexpr const char* kInvalidMoveText = "Invalid Move";
inline constexpr const char* kDecodeFailedText =
    "There is an error found in this game.\r\nPlease open the PGN file in a text editor and fix this "
    "error.\r\nif you press Enter, Morvane will play the next game.";

} // namespace morvane
