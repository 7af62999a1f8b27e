#pragma once
// What the Saver does with the user's input: a button ends it, real mouse
// movement ends it (the first report only records where the pointer is), a
// typed character ends it except "r", which turns the board. In the preview
// only a button counts. Qt-free.

namespace morvane {

class InputRules {
public:
    enum class Action { None, Rotate, End };
    static constexpr int kRotateKey = 114; // "r"; "R" ends like any other key

    explicit InputRules(bool preview) : preview_(preview) {}

    Action buttonPressed() const { return Action::End; }
    // `x`, `y` in the form's units. A last position with a 0 in it only records.
    Action mouseMoved(double x, double y);
    Action characterTyped(int code) const;

private:
    bool preview_;
    double lastX_ = 0;
    double lastY_ = 0;
};

} // namespace morvane
