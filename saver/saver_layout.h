#pragma once
// Where the Saver form's controls go, in twips: the load handler's rules for
// 640-pixel, 1024-pixel and other screens, the board's frame with its
// coordinate labels, and the rotation key's label moves. Qt-free, so the rules
// can be checked without a display.

#include <array>

#include "twips.h"

namespace morvane {

struct TwipRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    double right() const { return left + width; }
    double bottom() const { return top + height; }
    friend bool operator==(const TwipRect&, const TwipRect&) = default;
};

struct LayoutInput {
    int screenWidth = 1024; // logical pixels
    int screenHeight = 768;
    bool preview = false;
    bool rotate = false; // the `rotate` setting is exactly 1
    bool hideMoveList = false;
    double lineTwips = 285; // height of lblTextSize: one line of the text font
};

class SaverLayout {
public:
    static constexpr int kLabels = 9;       // Label1..Label8 at 1..8; 0 unused
    static constexpr int kCoordinates = 16; // Label(0..7) files "a".."h", Label(8..15) ranks "1".."8"

    // The load handler's layout for `input` (steps 2, 3, 6, 8 and 11).
    explicit SaverLayout(const LayoutInput& input);

    // The rotation key: turns the labels to the other orientation.
    void rotateLabels();

    // Form and scale. On screens wider than 1024 pixels the 1024 layout is drawn
    // larger: the form is measured in twips of that zoom.
    TwipScale scale() const { return scale_; }
    double formWidth() const { return formWidth_; }
    double formHeight() const { return formHeight_; }
    bool isSmallScreen() const { return small_; } // the 640-pixel layout
    // A window smaller than 640 x 480 (not the preview): the 640 layout drawn
    // smaller, the board as large as the height allows, no label over it.
    bool isFitted() const { return fitted_; }
    // 640-pixel screens show the names and event left-aligned, fitted to their text.
    bool namesFitText() const { return small_ || fitted_; }
    // The `BackColor` setting applies (not on 640-pixel screens, not in the preview).
    bool appliesBackColor() const { return !small_ && !preview_; }
    bool moveListVisible() const { return !hideMoveList_; }
    int orientation() const { return orientation_; }

    // Controls on the form
    const TwipRect& picture1() const { return picture1_; }
    const TwipRect& picture2() const { return picture2_; }
    const TwipRect& picture3() const { return picture3_; }
    const TwipRect& label(int n) const { return labels_.at(static_cast<std::size_t>(n)); }
    double lineTwips() const { return line_; }

    // Controls inside Picture1
    const TwipRect& board() const { return board_; }
    const TwipRect& coordinate(int i) const { return coordinates_.at(static_cast<std::size_t>(i)); }

    // The board frame of the preview: pulled up and left so that the board sits
    // in the corner of the small window.
    static constexpr double kPreviewFrameOffset = -350;

private:
    void placeSmallScreen();
    double fittedFrameTop() const;
    void placeGeneral();
    void place1024();
    void placeMoveListColumn();
    void placeCoordinates();
    void applyOrientation();
    double centred(double width) const { return (formWidth_ - width) / 2; }

    TwipScale scale_;
    double formWidth_ = 0;
    double formHeight_ = 0;
    double line_ = 0;
    bool small_ = false;
    bool fitted_ = false;
    bool preview_ = false;
    bool hideMoveList_ = false;
    int orientation_ = 1;
    double topNameTop_ = 0;    // where the name above the board stands
    double bottomNameTop_ = 0; // and the one below it

    TwipRect picture1_;
    TwipRect picture2_;
    TwipRect picture3_;
    TwipRect board_;
    std::array<TwipRect, kLabels> labels_{};
    std::array<TwipRect, kCoordinates> coordinates_{};
};

} // namespace morvane
