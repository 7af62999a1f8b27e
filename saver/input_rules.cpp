#include "input_rules.h"

namespace morvane {

InputRules::Action InputRules::mouseMoved(double x, double y)
{
    if (preview_)
        return Action::None;
    const bool known = lastX_ != 0 && lastY_ != 0;
    const bool moved = x != lastX_ || y != lastY_;
    lastX_ = x;
    lastY_ = y;
    return known && moved ? Action::End : Action::None;
}

InputRules::Action InputRules::characterTyped(int code) const
{
    if (preview_)
        return Action::None;
    return code == kRotateKey ? Action::Rotate : Action::End;
}

} // namespace morvane
