#include "saver_layout.h"

#include <algorithm>

namespace morvane {

namespace {

// The form as designed, for a 640 x 480 screen (all in twips).
constexpr double kDesignWidth = 9600;
constexpr double kReferenceWidthPx = 1024; // the layout large screens are zoomed from
constexpr double kReferenceHeightPx = 768;
constexpr int kSmallWidthPx = 640; // the designed screen; smaller windows get the fitted layout
constexpr int kSmallHeightPx = 480;
constexpr double kSmallestScale = 0.05; // a window of no size still gets a layout

// The board's frame: the board with a margin for the coordinates.
constexpr double kFrameSide = 6600;
constexpr double kBoardInFrame = 350; // the preview's -350 puts the board in the window's corner
constexpr double kBoardSide = 5880;   // 8 squares of 735
constexpr double kSquare = kBoardSide / 8;
constexpr double kRankLabelLeft = 40;
constexpr double kRankLabelWidth = 270;
constexpr double kRankLabelHeight = 345; // centred on the squares within a few twips
constexpr double kFileLabelTop = kBoardInFrame + kBoardSide + 20;
constexpr double kFileLabelHeight = 300;
constexpr double kRankTopFirst = 600; // rank labels stand 720 apart from here
constexpr double kRankStep = 720;
constexpr double kRankTopLast = kRankTopFirst + 7 * kRankStep;

// Designed places of the labels and the move list.
constexpr double kNameWidth = kFrameSide;
constexpr double kEventWidth = 9000;
constexpr double kDateWidth = 4600;
constexpr double kEventTop = 60;
constexpr double kDateTop = 360;
constexpr double kDateLeft = 5000;
constexpr double kListWidth = 2800; // White's moves in the left half, Black's 1400 to the right
constexpr double kListTop = 1500;
constexpr double kDesignedListHeight = 3420; // 12 lines of the designed 12-point font
constexpr double kStatusGap = 120;
constexpr double kHeaderGap = 30;

// The load handler's fixed places.
constexpr double kSmallFrameLeft = 70;
constexpr double kSmallFrameTop = 270;
constexpr double kSmallNameLeft = 50;
constexpr double kSmallEventLeft = 5000;
constexpr double kNameTop = 720;
constexpr double kNameGap = 10; // between the frame and the name under it
constexpr double kLargeEventTop = 500;
constexpr double kLargeDateTop = 900;
constexpr double kLargeNameTop = 1300;
constexpr double kLargeListRaise = 500;

} // namespace

SaverLayout::SaverLayout(const LayoutInput& input)
    : line_(input.lineTwips), preview_(input.preview), hideMoveList_(input.hideMoveList)
{
    const int w = input.screenWidth;
    const int h = input.screenHeight;
    fitted_ = !input.preview && (w < kSmallWidthPx || h < kSmallHeightPx);
    const bool zoomed = w > kReferenceWidthPx && !input.preview && !fitted_;
    if (zoomed) {
        scale_ = TwipScale(std::min(w / kReferenceWidthPx, h / kReferenceHeightPx));
    } else if (fitted_) {
        const double height = fittedFrameTop() + kFrameSide + kNameGap + line_;
        const double fit = std::min(w * kTwipsPerPixel / kDesignWidth, h * kTwipsPerPixel / height);
        scale_ = TwipScale(std::max(fit, kSmallestScale));
    }
    formWidth_ = scale_.toTwips(w);
    formHeight_ = scale_.toTwips(h);
    small_ = w == kSmallWidthPx && !fitted_;

    // The form as designed.
    picture1_ = {kSmallFrameLeft, kSmallFrameTop, kFrameSide, kFrameSide};
    picture2_ = {kDesignWidth - kListWidth, kListTop, kListWidth, kDesignedListHeight};
    labels_[1] = {kSmallNameLeft, 0, kNameWidth, line_};
    labels_[3] = {kSmallNameLeft, kEventTop, kEventWidth, line_};
    labels_[4] = {kDateLeft, kDateTop, kDateWidth, line_};
    labels_[2] = {kSmallNameLeft, picture1_.bottom() + kNameGap, kNameWidth, line_};

    if (fitted_) {
        placeSmallScreen();
        picture1_.top = fittedFrameTop();
        labels_[2].top = picture1_.bottom() + kNameGap;
    } else if (small_) {
        placeSmallScreen();
    } else {
        placeGeneral();
        if (w == kReferenceWidthPx || zoomed)
            place1024();
    }
    topNameTop_ = labels_[1].top;
    bottomNameTop_ = labels_[2].top;

    picture3_ = {0, 0, formWidth_, formHeight_};
    picture2_.height = line_ * 12; // step 8: twelve lines before the list scrolls
    placeMoveListColumn();
    placeCoordinates();
    if (input.rotate)
        rotateLabels();
}

void SaverLayout::placeSmallScreen()
{
    picture1_.top = kSmallFrameTop;
    picture1_.left = kSmallFrameLeft;
    picture2_.left = formWidth_ - picture2_.width;
    labels_[3].left = kSmallEventLeft;
    labels_[1].left = kSmallNameLeft;
    labels_[1].top = 0;
    labels_[2].left = kSmallNameLeft;
    labels_[2].top = picture1_.bottom() + kNameGap;
}

// The board starts below the date, which stands over the frame's margin.
double SaverLayout::fittedFrameTop() const
{
    return std::max(kSmallFrameTop, kDateTop + line_ - kBoardInFrame);
}

void SaverLayout::placeGeneral()
{
    picture1_.top = (formHeight_ - picture1_.height) / 2;
    picture1_.left = centred(picture1_.width);
    labels_[3].left = centred(labels_[3].width);
    labels_[1].left = centred(labels_[1].width);
    labels_[1].top = kNameTop;
    labels_[2].left = centred(labels_[2].width);
    labels_[2].top = picture1_.bottom() + kNameGap;
    picture2_.left = formWidth_ - picture2_.width;
    labels_[4].left = centred(labels_[4].width);
}

void SaverLayout::place1024()
{
    picture1_.left = centred(picture1_.width);
    picture2_.left = formWidth_ - picture2_.width;
    picture2_.top = (formHeight_ - picture2_.height) / 2 - kLargeListRaise;
    labels_[3].top = kLargeEventTop;
    labels_[4].top = kLargeDateTop;
    labels_[1].top = kLargeNameTop;
}

// The headers stand over the two halves of the move list, "Move list:" above
// them, and the status line under the list, wherever the list has been put.
void SaverLayout::placeMoveListColumn()
{
    const TwipRect& list = picture2_;
    const double half = list.width / 2;
    labels_[7] = {list.left, list.top - line_ - kHeaderGap, half, line_};
    labels_[6] = {list.left + half, labels_[7].top, half, line_};
    labels_[8] = {list.left, labels_[7].top - line_ - kHeaderGap, list.width, line_};
    labels_[5] = {list.left, list.bottom() + kStatusGap, list.width, 2 * line_};
}

void SaverLayout::placeCoordinates()
{
    board_ = {kBoardInFrame, kBoardInFrame, kBoardSide, kBoardSide};
    for (int i = 0; i < kCoordinates; ++i) {
        if (i < 8)
            coordinates_[i] = {kBoardInFrame + i * kSquare, kFileLabelTop, kSquare, kFileLabelHeight};
        else
            coordinates_[i] = {kRankLabelLeft, kRankTopLast - (i - 8) * kRankStep, kRankLabelWidth, kRankLabelHeight};
    }
}

void SaverLayout::rotateLabels()
{
    orientation_ = orientation_ == 1 ? 2 : 1;
    applyOrientation();
}

// Orientation 2 shows the board from Black's side: White's name on top, rank
// "1" at the top and file "h" at the left. The names move between the places
// this screen's layout gave them, so turning twice restores the first layout.
void SaverLayout::applyOrientation()
{
    const bool turned = orientation_ == 2;
    labels_[2].top = turned ? topNameTop_ : bottomNameTop_;
    labels_[1].top = turned ? bottomNameTop_ : topNameTop_;
    for (int i = 8; i < kCoordinates; ++i)
        coordinates_[i].top = turned ? (i - 8) * kRankStep + kRankTopFirst : kRankTopLast - (i - 8) * kRankStep;
    for (int i = 0; i < 8; ++i)
        coordinates_[i].left = kBoardInFrame + (turned ? 7 - i : i) * kSquare;
}

} // namespace morvane
