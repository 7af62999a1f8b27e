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
constexpr double kEventTop = 30;
constexpr double kDateTop = 325; // clear of the board at 640 pixels
constexpr double kDateLeft = 5000;
constexpr double kListWidth = 2800; // White's moves in the left half, Black's 1400 to the right
constexpr double kBlackColumnLeft = 1400;
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
    : line_(input.lineTwips), preview_(input.preview), hideMoveList_(input.hideMoveList),
      listWidth_(std::max(kListWidth, input.listWidthTwips))
{
    const int w = input.screenWidth;
    const int h = input.screenHeight;
    // A 1024-wide screen shorter than designed shows the 1024 layout drawn smaller.
    if (w == kReferenceWidthPx && h < kReferenceHeightPx && !preview_)
        scale_ = TwipScale(std::max(h / kReferenceHeightPx, kSmallestScale));
    formWidth_ = scale_.toTwips(w);
    formHeight_ = scale_.toTwips(h);

    placeCoordinates();
    const bool designed = preview_ || (w == kSmallWidthPx && h >= kSmallHeightPx) || w == kReferenceWidthPx;
    if (designed)
        placeDesigned(w);
    if (!designed || (!preview_ && !fitsForm()))
        placeFitted(w, h);
    topNameTop_ = labels_[1].top;
    bottomNameTop_ = labels_[2].top;

    picture3_ = {0, 0, formWidth_, formHeight_};
    if (input.rotate)
        rotateLabels();
}

TextAlign SaverLayout::nameAlignment() const
{
    if (small_)
        return TextAlign::Left;
    return beside_ ? TextAlign::Right : TextAlign::Centre;
}

double SaverLayout::blackColumn() const
{
    return kBlackColumnLeft * textFactor_;
}

// The load handler's rules for the screens the form was designed for.
void SaverLayout::placeDesigned(int w)
{
    small_ = w == kSmallWidthPx;
    picture1_ = {kSmallFrameLeft, kSmallFrameTop, kFrameSide, kFrameSide};
    picture2_ = {kDesignWidth - listWidth_, kListTop, listWidth_, kDesignedListHeight};
    labels_[1] = {kSmallNameLeft, 0, kNameWidth, line_};
    labels_[3] = {kSmallNameLeft, kEventTop, kEventWidth, line_};
    labels_[4] = {kDateLeft, kDateTop, kDateWidth, line_};
    labels_[2] = {kSmallNameLeft, picture1_.bottom() + kNameGap, kNameWidth, line_};
    if (small_) {
        placeSmallScreen();
    } else {
        placeGeneral();
        if (w == kReferenceWidthPx)
            place1024();
    }
    picture2_.height = line_ * 12; // step 8: twelve lines before the list scrolls
    placeMoveListColumn();
    belowStatus_ = {labels_[5].left, labels_[5].bottom(), labels_[5].width, 3 * line_};
}

void SaverLayout::placeSmallScreen()
{
    picture1_.top = kSmallFrameTop;
    picture1_.left = kSmallFrameLeft;
    picture2_.left = formWidth_ - picture2_.width;
    labels_[3].left = kSmallEventLeft;
    // Names and event are fitted to their text: the name at the top ends
    // before the event's column, the event at the screen's edge.
    labels_[3].width = formWidth_ - kSmallEventLeft;
    labels_[1].left = kSmallNameLeft;
    labels_[1].top = 0;
    labels_[1].width = kSmallEventLeft - kSmallNameLeft - kNameGap * 6;
    labels_[2].width = labels_[1].width; // the rotation key brings it up there
    labels_[2].left = kSmallNameLeft;
    labels_[2].top = picture1_.bottom() + kNameGap;
}

std::vector<TwipRect> SaverLayout::occupied() const
{
    TwipRect board = board_;
    board.left += picture1_.left;
    board.top += picture1_.top;
    std::vector<TwipRect> rects{board};
    for (int n = 1; n < kLabels; ++n) {
        if (moveListVisible() || (n != 6 && n != 7))
            rects.push_back(labels_[n]);
    }
    if (moveListVisible())
        rects.push_back(picture2_);
    return rects;
}

bool SaverLayout::fitsForm() const
{
    const std::vector<TwipRect> rects = occupied();
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const TwipRect& a = rects[i];
        if (a.left < 0 || a.top < 0 || a.right() > formWidth_ || a.bottom() > formHeight_)
            return false;
        for (std::size_t j = i + 1; j < rects.size(); ++j) {
            const TwipRect& b = rects[j];
            if (a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom())
                return false;
        }
    }
    return true;
}

// Fitted layout: the board as large as the screen allows with the texts
// around it. The text grows with the board, but only so far that the board
// keeps most of the height it would have alone.
namespace {
constexpr double kMargin = 60;     // from the screen's edges
constexpr double kGap = 60;        // between texts and the board
constexpr double kColumnGap = 240; // between the board and the move list
constexpr double kRankToBoard = kBoardInFrame - kRankLabelLeft;
constexpr double kFilesUnderBoard = kFileLabelTop + kFileLabelHeight - kBoardInFrame - kBoardSide;
constexpr double kNameLines = 8;     // the least room for a name beside the board, in lines
constexpr double kLinesUnder = 4;    // the status line and three lines for a move's comment
constexpr double kBoardShare = 0.78; // of the board's size with no text at all
constexpr double kTextShrink = 0.95;
constexpr double kLeastText = 0.001;

double fitScale(int w, int h, double widthTwips, double heightTwips)
{
    return std::min(w * kTwipsPerPixel / widthTwips, h * kTwipsPerPixel / heightTwips);
}
} // namespace

void SaverLayout::placeFitted(int w, int h)
{
    small_ = false;
    fitted_ = true;
    const double boardWidth = kRankToBoard + kBoardSide;
    const double boardHeight = kBoardSide + kFilesUnderBoard;
    const double alone = fitScale(w, h, 2 * kMargin + boardWidth, 2 * kMargin + boardHeight);
    double best = 0;
    for (textFactor_ = 1;; textFactor_ *= kTextShrink) {
        const double l = lineTwips();
        const double list = listWidth_ * textFactor_;
        const double listColumn = 2 * kMargin + 14 * l + 2 * kHeaderGap;
        const double beside =
            fitScale(w, h, 2 * kMargin + kNameLines * l + kGap + boardWidth + kColumnGap + list,
                     std::max(listColumn, 2 * kMargin + (2 + kLinesUnder) * l + 2 * kGap + boardHeight));
        const double stacked =
            fitScale(w, h, 2 * kMargin + boardWidth + kColumnGap + list,
                     std::max(listColumn, 2 * kMargin + (4 + kLinesUnder) * l + 2 * kGap + boardHeight));
        beside_ = beside >= stacked;
        best = std::max(beside, stacked);
        if (best >= kBoardShare * alone || textFactor_ < kLeastText)
            break;
    }
    scale_ = TwipScale(std::max(best, kSmallestScale));
    formWidth_ = scale_.toTwips(w);
    formHeight_ = scale_.toTwips(h);

    const double l = lineTwips();
    const double listWidth = listWidth_ * textFactor_;
    const double listLeft = formWidth_ - kMargin - listWidth;
    if (beside_)
        placeBeside(kMargin, listLeft);
    else
        placeStacked(kMargin, listLeft);

    // The list beside the board's middle, as far as the screen allows.
    const double above = 2 * (l + kHeaderGap);
    const double listTop = picture1_.top + kBoardInFrame + kBoardSide / 2 - 6 * l;
    picture2_ = {listLeft,
                 std::clamp(listTop, kMargin + above, std::max(kMargin + above, formHeight_ - kMargin - 12 * l)),
                 listWidth, 12 * l};
    const TwipRect status = labels_[5];
    placeMoveListColumn();
    labels_[5] = status;
}

// Names beside the board at its two sides, event and date above, the status
// line under it.
void SaverLayout::placeBeside(double m, double listLeft)
{
    const double l = lineTwips();
    const double height = (2 + kLinesUnder) * l + 2 * kGap + kBoardSide + kFilesUnderBoard;
    const double top = std::max(m, (formHeight_ - height) / 2);
    const double boardTop = top + 2 * l + kGap;
    const double leftmost = m + kNameLines * l + kGap + kRankToBoard;
    const double boardLeft =
        std::max(leftmost, std::min((formWidth_ - kBoardSide) / 2, listLeft - kColumnGap - kBoardSide));
    picture1_ = {boardLeft - kBoardInFrame, boardTop - kBoardInFrame, kFrameSide, kFrameSide};
    const double nameWidth = boardLeft - kRankToBoard - kGap - m;
    labels_[1] = {m, boardTop, nameWidth, l};
    labels_[2] = {m, boardTop + kBoardSide - l, nameWidth, l};
    const double centre = boardLeft + kBoardSide / 2;
    const double half = std::min(centre - m, listLeft - kColumnGap - centre);
    labels_[3] = {centre - half, top, 2 * half, l};
    labels_[4] = {centre - half, top + l, 2 * half, l};
    labels_[5] = {boardLeft, boardTop + kBoardSide + kFilesUnderBoard + kGap, kBoardSide, l};
    belowStatus_ = {boardLeft, labels_[5].bottom(), kBoardSide, (kLinesUnder - 1) * l};
}

// Black's name above the board and White's under it, centred, for screens too
// narrow for names beside the board.
void SaverLayout::placeStacked(double m, double listLeft)
{
    const double l = lineTwips();
    const double height = (4 + kLinesUnder) * l + 2 * kGap + kBoardSide + kFilesUnderBoard;
    const double top = std::max(m, (formHeight_ - height) / 2);
    const double boardTop = top + 3 * l + kGap;
    const double boardLeft =
        std::max(m + kRankToBoard, std::min((formWidth_ - kBoardSide) / 2, listLeft - kColumnGap - kBoardSide));
    picture1_ = {boardLeft - kBoardInFrame, boardTop - kBoardInFrame, kFrameSide, kFrameSide};
    const double centre = boardLeft + kBoardSide / 2;
    const double half = std::min(centre - m, listLeft - kColumnGap - centre);
    const double below = boardTop + kBoardSide + kFilesUnderBoard;
    labels_[3] = {centre - half, top, 2 * half, l};
    labels_[4] = {centre - half, top + l, 2 * half, l};
    labels_[1] = {centre - half, top + 2 * l, 2 * half, l};
    labels_[2] = {centre - half, below, 2 * half, l};
    labels_[5] = {centre - half, below + l + kGap, 2 * half, l};
    belowStatus_ = {labels_[5].left, labels_[5].bottom(), labels_[5].width, (kLinesUnder - 1) * l};
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
    const double line = lineTwips();
    const double column = std::min(blackColumn(), list.width / 2);
    labels_[7] = {list.left, list.top - line - kHeaderGap, column, line};
    labels_[6] = {list.left + column, labels_[7].top, list.width - column, line};
    labels_[8] = {list.left, labels_[7].top - line - kHeaderGap, list.width, line};
    labels_[5] = {list.left, list.bottom() + kStatusGap, list.width, 2 * line};
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
