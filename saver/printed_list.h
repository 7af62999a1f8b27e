#pragma once
// What has been printed into the move list (Picture2), as a picture box keeps
// it: lines at a print position that moves down one line per print, and a
// scroll by one line when the next White move has no room left. Qt-free.

#include <string>
#include <vector>

namespace morvane {

class PrintedList {
public:
    // Black's move is printed this far right of where White's line began,
    // unless the list is told another column.
    static constexpr double kBlackColumn = 1400;

    struct Item {
        double x = 0; // twips from the list's left edge
        double y = 0; // twips from its top edge (the line's top)
        std::string text;
        friend bool operator==(const Item&, const Item&) = default;
    };

    PrintedList(double heightTwips, double lineTwips) : height_(heightTwips), line_(lineTwips) {}

    // Empties the list; the next print starts at its top left corner.
    void clear();
    // A new line for White's move; scrolls first when the line would not fit.
    // Returns true when it scrolled (everything moved).
    bool printWhite(const std::string& text);
    // Black's move on the line of the last White move, in the right-hand column.
    void printBlack(const std::string& text);

    // Where Black's moves start, those printed included.
    void setBlackColumn(double twips);
    double blackColumn() const { return blackColumn_; }
    // New line height and list height (the form was laid out again): what is
    // printed keeps its lines (columns are set again by the caller).
    void rescale(double heightTwips, double lineTwips);

    const std::vector<Item>& items() const { return items_; }
    double printY() const { return y_; }
    double height() const { return height_; }
    double line() const { return line_; }

private:
    void scroll();

    double height_;
    double line_;
    double blackColumn_ = kBlackColumn;
    double x_ = 0;
    double y_ = 0;
    std::vector<Item> items_;
};

} // namespace morvane
