#pragma once
// Reaching the control's members by their fixed member identifiers, for hosts that
// bind by identifier. Arguments and results travel as numbers: True is -1 and False 0.

#include <QVariant>
#include <QVariantList>
#include <cstdint>
#include <quillboard/export.h>

namespace quill {

class Varnel;

// How a member is reached: a property read, a property assignment (Let; Set for a
// picture), or a method call.
enum class CallKind { Get, Let, Set, Method };

// Errors of the binding itself, as a host runtime numbers them.
namespace dispatch_error {
constexpr std::int32_t MemberNotFound = static_cast<std::int32_t>(0x80020003u);
constexpr std::int32_t TypeMismatch = static_cast<std::int32_t>(0x80020005u);
constexpr std::int32_t BadParamCount = static_cast<std::int32_t>(0x8002000Eu);
constexpr std::int32_t Overflow = 6;
} // namespace dispatch_error

// Throws ControlError for an unknown identifier or kind, a wrong number of arguments,
// an argument that is not a number of the member's range, and whatever the member raises.
QUILLBOARD_EXPORT QVariant invokeMember(Varnel& board, std::int32_t memberId, CallKind kind, const QVariantList& args);

} // namespace quill
