#pragma once
// Window descriptions as constant tables: one row per control, in twips, as the layouts are drawn up.

#include <cstdint>
#include <span>
#include <string_view>

#include "engine/platform.h"

namespace drillui {

using drill::Control;
using drill::Form;

// A colour as the descriptions write it, &H00BBGGRR&: blue byte first, red byte last.
struct Colour {
    std::uint32_t bgr = 0;
    bool isDefault = true;  // the toolkit's own colour (system text colour, default label ground)
};
constexpr Colour Bgr(std::uint32_t value) { return {value, false}; }
constexpr Colour DefaultColour{};

struct Font {
    std::string_view family;  // "MS Sans Serif" or "Times New Roman"; empty: the window's font
    double points = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};
constexpr Font FormFont{};

constexpr bool Bold = true;
constexpr bool Italic = true;
constexpr bool Underline = true;
constexpr Font SansSerif(double points, bool bold = false) { return {"MS Sans Serif", points, bold}; }
constexpr Font TimesNewRoman(double points, bool bold = false, bool italic = false, bool underline = false) {
    return {"Times New Roman", points, bold, italic, underline};
}

enum class Kind { Button, Label, TextBox };
enum class Align { Left, Centre };

constexpr bool Boxed = true;    // single-line border
constexpr bool Wraps = true;

struct ControlRow {
    Control name;
    Kind kind;
    std::u16string_view caption;
    int left, top, width, height;  // twips from the top-left of the window's inner area
    Font font;
    Colour back;   // a button's face colour, a label's or text box's ground
    Colour fore;
    bool border;   // single-line border
    Align align;
    bool wrap;     // the text wraps within the control
    int tabIndex;
};

struct FormLayout {
    Form form;
    std::u16string_view caption;
    int width, height;  // inner area, twips
    int left, top;      // design position of the inner area on the screen, twips
    Colour back;
    Colour fore;
    Font font;
    std::string_view picture;  // Qt resource path of the background picture, or empty
    std::string_view icon;     // Qt resource path of the window icon
    bool fixedFrame;           // fixed single border, no minimise or maximise button
    std::span<const ControlRow> controls;
};

constexpr int TwipsPerPixel = 15;

// Short names for writing the tables: `using namespace drillui::rows;` in a layout file.
namespace rows {
using enum drill::Control;
constexpr Kind Button = Kind::Button;
constexpr Kind Label = Kind::Label;
constexpr Kind TextBox = Kind::TextBox;
constexpr Align Left = Align::Left;
constexpr Align Centre = Align::Centre;
}  // namespace rows

}  // namespace drillui
