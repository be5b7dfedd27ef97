#pragma once
// The units the window descriptions are written in: twips, points and &H00BBGGRR& colours, as a
// screen at 96 dots per inch shows them.

#include <cmath>

#include "ui/layout.h"

namespace drillui {

// Whole pixels at 96 dots per inch: 15 twips to a pixel.
constexpr int Pixels(int twips) { return twips / TwipsPerPixel; }

// A font's size in points as whole pixels at 96 dots per inch, so that the twips layouts keep
// fitting whatever the screen reports of itself.
inline int PixelSize(double points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

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
