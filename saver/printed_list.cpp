#include "printed_list.h"

#include <algorithm>

namespace morvane {

void PrintedList::clear()
{
    items_.clear();
    x_ = 0;
    y_ = 0;
}

bool PrintedList::printWhite(const std::string& text)
{
    const bool full = height_ - line_ < y_;
    if (full)
        scroll();
    items_.push_back({x_, y_, text});
    x_ = 0; // the print ends the line
    y_ += line_;
    return full;
}

void PrintedList::printBlack(const std::string& text)
{
    y_ -= line_;
    x_ += blackColumn_;
    items_.push_back({x_, y_, text});
    x_ = 0;
    y_ += line_;
}

void PrintedList::setBlackColumn(double twips)
{
    for (Item& item : items_) {
        if (item.x > 0)
            item.x = twips;
    }
    blackColumn_ = twips;
}

void PrintedList::rescale(double heightTwips, double lineTwips)
{
    const double ratio = line_ > 0 ? lineTwips / line_ : 1;
    for (Item& item : items_)
        item.y *= ratio;
    y_ *= ratio;
    height_ = heightTwips;
    line_ = lineTwips;
}

// The picture moves up by one line; what leaves the top is gone for good, and
// printing goes on at the last line.
void PrintedList::scroll()
{
    for (Item& item : items_)
        item.y -= line_;
    std::erase_if(items_,
                  [this](const Item& item) { return item.y < -line_ / 2; }); // off the top, whatever the rounding
    y_ = height_ - line_;
}

} // namespace morvane
