#pragma once
// The units the window descriptions are written in, in Qt's terms: twips, &H00BBGGRR& colours, the
// design's fonts in points, and the light palette the windows are designed against.

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>

#include <string_view>

#include "ui/layout.h"
#include "ui/units.h"

namespace drillwin {

// The tables' terms, as the window layer uses them.
using drill::Control;
using drill::Form;
using drillui::Align;
using drillui::Colour;
using drillui::ControlRow;
using drillui::Font;
using drillui::FormLayout;
using drillui::Kind;
using drillui::Pixels;
using drillui::PixelSize;

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
