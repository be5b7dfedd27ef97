#pragma once
// The result window of the drills with result categories (Gondila, Mirskav), written once: the
// window of five categories, row for row. A category row's caption is the category's RowCaption. A
// drill with fewer categories leaves the last category rows out, and the no-answer caption and count
// move up into the place of the first row left out.

#include <algorithm>
#include <array>
#include <cstddef>

#include "engine/item_bank.h"
#include "ui/layout.h"

namespace result_window {

using namespace drillui;
using namespace drillui::rows;

// Every label in MS Sans Serif 12 pt bold. Captions and "из" take the window's ground; the value
// labels keep the toolkit's label ground and centre their digits.
constexpr Font ResultFont = SansSerif(12, Bold);
constexpr Colour ResultGround = Bgr(0x00FFFFC0);

// name, kind, caption, left, top, width, height (twips), font, back, fore, border, alignment, wrap, tab index
constexpr ControlRow FiveCategories[] = {
    {Label1, Label, u"Всего ошибок:", 600, 240, 1935, 375, ResultFont, ResultGround, DefaultColour, false, Left, false, 0},
    {Label2, Label, u"", 2520, 240, 615, 375, ResultFont, DefaultColour, DefaultColour, false, Centre, false, 1},
    {Label4, Label, u"из", 3240, 240, 375, 375, ResultFont, ResultGround, DefaultColour, false, Left, false, 2},
    {Label22, Label, u"", 3600, 240, 615, 375, ResultFont, DefaultColour, DefaultColour, false, Centre, false, 3},
    {Label3, Label, u"Из них:", 600, 720, 1095, 375, ResultFont, ResultGround, DefaultColour, false, Left, false, 4},
    {Label5, Label, u"", 600, 1200, 4215, 375, ResultFont, ResultGround, DefaultColour, false, Left, false, 5},
    {Label6, Label, u"", 4800, 1200, 615, 375, ResultFont, DefaultColour, DefaultColour, false, Centre, false, 6},
    {Label7, Label, u"из", 5640, 1200, 375, 375, ResultFont, ResultGround, DefaultColour, false, Left, false, 7},
    {Label23, Label, u"", 6120, 1200, 615, 375, ResultFont, DefaultColour, DefaultColour, false, Centre, false, 8},
    {Label8, Label, u"", 600, 1680, 4215, 735, ResultFont, ResultGround, DefaultColour, false, Left, Wraps, 9},
    {Label13, Label, u"", 4800, 1920, 615, 375, ResultFont, DefaultColour, DefaultColour, false, Centre, false, 10},
    {Label14, Label, u"из", 5640, 1920, 375, 375, ResultFont, ResultGround, DefaultColour, false, Left, false, 11},
    {Label24, Label, u"", 6120, 1920, 615, 375, ResultFont, DefaultColour, DefaultColour, false, Centre, false, 12},
    {Label9, Label, u"", 600, 2520, 4095, 495, ResultFont, ResultGround, DefaultColour, false, Left, false, 13},
    {Label15, Label, u"", 4800, 2520, 615, 375, ResultFont, DefaultColour, DefaultColour, false, Centre, false, 14},
    {Label16, Label, u"из", 5640, 2520, 375, 375, ResultFont, ResultGround, DefaultColour, false, Left, false, 15},
    {Label25, Label, u"", 6120, 2520, 615, 375, ResultFont, DefaultColour, DefaultColour, false, Centre, false, 16},
    {Label10, Label, u"", 600, 3120, 4095, 495, ResultFont, ResultGround, DefaultColour, false, Left, false, 17},
    {Label17, Label, u"", 4800, 3120, 615, 375, ResultFont, DefaultColour, DefaultColour, false, Centre, false, 18},
    {Label18, Label, u"из", 5640, 3120, 375, 375, ResultFont, ResultGround, DefaultColour, false, Left, false, 19},
    {Label26, Label, u"", 6120, 3120, 615, 375, ResultFont, DefaultColour, DefaultColour, false, Centre, false, 20},
    {Label11, Label, u"", 600, 3720, 4095, 495, ResultFont, ResultGround, DefaultColour, false, Left, false, 21},
    {Label19, Label, u"", 4800, 3720, 615, 375, ResultFont, DefaultColour, DefaultColour, false, Centre, false, 22},
    {Label20, Label, u"из", 5640, 3720, 375, 375, ResultFont, ResultGround, DefaultColour, false, Left, false, 23},
    {Label27, Label, u"", 6120, 3720, 615, 375, ResultFont, DefaultColour, DefaultColour, false, Centre, false, 24},
    {Label12, Label, u"Не дано никакого ответа:", 600, 4320, 4095, 495, ResultFont, ResultGround, DefaultColour, false, Left, false, 25},
    {Label21, Label, u"", 4800, 4320, 615, 375, ResultFont, DefaultColour, DefaultColour, false, Centre, false, 26},
};

constexpr std::size_t TotalRows = 5;        // the total and "Из них:"
constexpr std::size_t RowsPerCategory = 4;  // caption, errors, "из", items shown
constexpr std::size_t NoAnswerRows = 2;     // caption and count, last

// The window's rows for a drill's categories, in the window's order.
template <std::size_t K>
constexpr auto Controls(const drill::ResultCategory (&categories)[K]) {
    static_assert(K >= 1 && TotalRows + RowsPerCategory * K + NoAnswerRows <= std::size(FiveCategories));
    constexpr std::size_t categoryEnd = TotalRows + RowsPerCategory * K;
    constexpr std::size_t noAnswer = std::size(FiveCategories) - NoAnswerRows;
    std::array<ControlRow, categoryEnd + NoAnswerRows> controls{};
    std::copy(FiveCategories, FiveCategories + categoryEnd, controls.begin());
    for (std::size_t k = 0; k < K; ++k) controls[TotalRows + RowsPerCategory * k].caption = categories[k].RowCaption;
    for (std::size_t i = 0; i < NoAnswerRows; ++i) {
        controls[categoryEnd + i] = FiveCategories[noAnswer + i];
        controls[categoryEnd + i].top = FiveCategories[categoryEnd + i].top;
        controls[categoryEnd + i].tabIndex = FiveCategories[categoryEnd + i].tabIndex;
    }
    return controls;
}

}  // namespace result_window
