#pragma once
// Misuse of the control is reported by throwing ControlError with the number and
// description a host expects from the control's error table.

#include <cstdint>
#include <quillboard/export.h>
#include <stdexcept>
#include <string>

namespace quill {

namespace error {
constexpr std::int32_t InvalidSquare = static_cast<std::int32_t>(0x80040001u);
constexpr std::int32_t InvalidSquareOnRead = static_cast<std::int32_t>(0x8004041Au);
constexpr std::int32_t NotAKing = static_cast<std::int32_t>(0x80040005u);
constexpr std::int32_t NotAnIcon = static_cast<std::int32_t>(0x8004000Au);
// The host runtime's own numbers for writes it refuses while in design mode.
constexpr std::int32_t SetNotPermittedAtDesignTime = 382;
constexpr std::int32_t SetNotSupportedAtDesignTime = 383;

constexpr const char* InvalidSquareText = "Invalid column or row";
constexpr const char* NotAKingText = "The specified piece is not a king";
constexpr const char* NotAnIconText = "Invalid Picture, The picture Property accepts only icons";
constexpr const char* DesignTimeText = "Property is read-only at design time";
} // namespace error

class QUILLBOARD_EXPORT ControlError : public std::runtime_error {
public:
    ControlError(std::int32_t number, std::string description) : std::runtime_error(description), number_(number) {}
    std::int32_t number() const { return number_; }
    std::string description() const { return what(); }

private:
    std::int32_t number_;
};

} // namespace quill
