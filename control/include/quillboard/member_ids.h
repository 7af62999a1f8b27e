#pragma once
// The control's member identifiers: hosts bind to members by these fixed numbers.

#include <cstdint>

namespace quill::member {

constexpr std::int32_t Enabled = 0x68030049;
constexpr std::int32_t NewGame = 0x6003004D;
constexpr std::int32_t Clear = 0x6003004E;
constexpr std::int32_t IsSelected = 0x68030048;
constexpr std::int32_t Piece = 0x68030047;
constexpr std::int32_t Picture = 0x68030046;
constexpr std::int32_t ChangeBoardSize = 0x60030058;
constexpr std::int32_t SelectSquare = 0x60030059;
constexpr std::int32_t UnSelectSquare = 0x6003005A;
constexpr std::int32_t MovePiece = 0x6003005B;
constexpr std::int32_t About = 0x6003005C;
constexpr std::int32_t IsLegalMove = 0x6003005D;
constexpr std::int32_t RotateBoard = 0x60030060;
constexpr std::int32_t IsKingChecked = 0x60030061;
constexpr std::int32_t DragStyle = 0x68030045;
constexpr std::int32_t EnableDrag = 0x68030044;
constexpr std::int32_t BoardStyle = 0x68030043;
constexpr std::int32_t SelectionColor = 0x68030042;
constexpr std::int32_t RefreshBoard = 0x60030062;
constexpr std::int32_t HighlightMove = 0x6803004A;
constexpr std::int32_t AnimateMoves = 0x6803004B;
constexpr std::int32_t AnimationTime = 0x6803004C;
constexpr std::int32_t ShowMove = 0x60030070;
constexpr std::int32_t SettlePosition = 0x60030071;

// Event identifiers.
namespace event {
constexpr std::int32_t Click = 1;
constexpr std::int32_t DblClick = 2;
constexpr std::int32_t MouseDown = 3;
constexpr std::int32_t MouseMove = 4;
constexpr std::int32_t MouseUp = 5;
constexpr std::int32_t PieceDrop = 6;
} // namespace event

} // namespace quill::member
