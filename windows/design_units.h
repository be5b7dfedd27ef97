#pragma once
// The units the window descriptions are written in, in Qt's terms: twips, &H00BBGGRR& colours, the
// design's fonts in points, and the light palette the windows are designed against.

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>

#include <string_view>

#include "windows/layout.h"

namespace drillwin {

// Whole pixels at 96 dots per inch: 15 twips to a pixel.
int Pixels(int twips);
// A font's size in points as pixels at 96 dots per inch, so that the twips layouts keep fitting
// whatever logical DPI the screen reports.
int PixelSize(double points);
QColor MakeColour(Colour colour, const QColor& fallback);
// The control's font, or the window's where the control names none.
QFont MakeFont(const Font& font, const Font& windowFont);
// The face used for a design face: itself where installed, else a metric-compatible stand-in.
QString ResolveFamily(std::string_view family);

// The light palette the windows are drawn on: the Fusion style's standard one. The windows and
// message boxes take it whatever palette the desktop imposes, dark and high-contrast ones included,
// because the table colours (pale grounds, dark and default texts) are chosen against it.
const QPalette& DesignPalette();

}  // namespace drillwin
