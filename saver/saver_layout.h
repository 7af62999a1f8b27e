#pragma once
// Where the Saver form's controls go, in twips: the load handler's rules for
// 640-pixel and 1024-pixel screens where they fit, a layout fitted to any other
// size, the board's frame with its coordinate labels, and the rotation key's
// label moves. Qt-free, so the rules can be checked without a display.

#include <array>
#include <vector>

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
    // What the move list needs across at the text font, widest moves included.
    double listWidthTwips = 2800;
};

enum class TextAlign { Left, Centre, Right };

class SaverLayout {
public:
    static constexpr int kLabels = 9;       // Label1..Label8 at 1..8; 0 unused
    static constexpr int kCoordinates = 16; // Label(0..7) files "a".."h", Label(8..15) ranks "1".."8"

    // The load handler's layout for `input` (steps 2, 3, 6, 8 and 11).
    explicit SaverLayout(const LayoutInput& input);

    // The rotation key: turns the labels to the other orientation.
    void rotateLabels();

    // Form and scale: the form is measured in twips of the screen's zoom.
    TwipScale scale() const { return scale_; }
    double formWidth() const { return formWidth_; }
    double formHeight() const { return formHeight_; }
    bool isSmallScreen() const { return small_; } // the 640-pixel layout
    // Any screen but the designed ones (or one they do not fit): the board as
    // large as the screen allows with every text beside it, none over another.
    bool isFitted() const { return fitted_; }
    // 640-pixel screens show the names and event left-aligned, fitted to their text.
    bool namesFitText() const { return small_; }
    // Names beside the board stand right-aligned against it.
    TextAlign nameAlignment() const;
    // The text is drawn at this share of its size at the form's scale: a font
    // too large for the screen is drawn as large as still fits.
    double textFactor() const { return textFactor_; }
    // Where Black's moves start in the list at the least (twips of the form).
    double blackColumn() const;
    // The `BackColor` setting applies (not on 640-pixel screens, not in the preview).
    bool appliesBackColor() const { return !small_ && !preview_; }
    bool moveListVisible() const { return !hideMoveList_; }
    int orientation() const { return orientation_; }

    // Controls on the form
    const TwipRect& picture1() const { return picture1_; }
    const TwipRect& picture2() const { return picture2_; }
    const TwipRect& picture3() const { return picture3_; }
    const TwipRect& label(int n) const { return labels_.at(static_cast<std::size_t>(n)); }
    double lineTwips() const { return line_ * textFactor_; }
    // The status line, and the three lines of room under it for a move's comment.
    const TwipRect& statusLine() const { return labels_[5]; }
    const TwipRect& belowStatus() const { return belowStatus_; }

    // Controls inside Picture1
    const TwipRect& board() const { return board_; }
    const TwipRect& coordinate(int i) const { return coordinates_.at(static_cast<std::size_t>(i)); }

    // The board frame of the preview: pulled up and left so that the board sits
    // in the corner of the small window.
    static constexpr double kPreviewFrameOffset = -350;

    // Every text box and the board, for the checks of what overlaps.
    std::vector<TwipRect> occupied() const;

private:
    void placeDesigned(int w);
    void placeSmallScreen();
    void placeGeneral();
    bool fitsForm() const;
    void placeFitted(int w, int h);
    void placeBeside(double m, double listLeft);
    void placeStacked(double m, double listLeft);
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
    bool beside_ = false; // fitted: names beside the board, not above and below
    double listWidth_ = 0;
    double textFactor_ = 1;
    int orientation_ = 1;
    double topNameTop_ = 0;    // where the name above the board stands
    double bottomNameTop_ = 0; // and the one below it

    TwipRect picture1_;
    TwipRect picture2_;
    TwipRect picture3_;
    TwipRect board_;
    TwipRect belowStatus_;
    std::array<TwipRect, kLabels> labels_{};
    std::array<TwipRect, kCoordinates> coordinates_{};
};

} // namespace morvane
