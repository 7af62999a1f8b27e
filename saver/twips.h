#pragma once
// The Saver form is laid out in twips, as its design was drawn; widgets are
// placed in logical pixels. This is the one place where the two meet.

#include <cmath>

namespace morvane {

inline constexpr double kTwipsPerPixel = 15.0; // 1440 twips per inch at 96 logical dpi

// Twips at a uniform zoom: `scale` logical pixels for every 15 twips. The whole
// form uses one scale, so everything keeps its proportions on large screens.
class TwipScale {
public:
    constexpr TwipScale() = default;
    constexpr explicit TwipScale(double scale) : scale_(scale) {}

    constexpr double scale() const { return scale_; }
    constexpr double toPixelsF(double twips) const { return twips * scale_ / kTwipsPerPixel; }
    // Edges round to whole pixels; sizes are taken between rounded edges so that
    // neighbouring controls never open a one-pixel gap or overlap.
    int toPixels(double twips) const { return static_cast<int>(std::lround(toPixelsF(twips))); }
    constexpr double toTwips(double pixels) const { return pixels * kTwipsPerPixel / scale_; }

private:
    double scale_ = 1.0;
};

} // namespace morvane
