#pragma once
// The units the window descriptions are written in: twips, points and &H00BBGGRR& colours, as a
// screen at 96 dots per inch shows them.

#include <cmath>
#include <string_view>

#include "ui/layout.h"

namespace drillui {

// Whole pixels at 96 dots per inch: 15 twips to a pixel.
constexpr int Pixels(int twips) { return twips / TwipsPerPixel; }

// A font's size in points as whole pixels at 96 dots per inch, so that the twips layouts keep
// fitting whatever the screen reports of itself.
inline int PixelSize(double points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

// The face that stands in for a design face where the system lacks it: metric-compatible, so that the
// layouts fit as designed ("Liberation Sans" for "MS Sans Serif"); empty for a face without one.
constexpr std::string_view StandInFamily(std::string_view family) {
    if (family == "MS Sans Serif") return "Liberation Sans";
    if (family == "Times New Roman") return "Liberation Serif";
    return {};
}

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// The descriptions write the blue byte first and the red byte last.
constexpr Rgb ToRgb(Colour colour) {
    return {static_cast<int>(colour.bgr & 0xFF), static_cast<int>((colour.bgr >> 8) & 0xFF),
            static_cast<int>((colour.bgr >> 16) & 0xFF)};
}

}  // namespace drillui
