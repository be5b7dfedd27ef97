#include "programs/luzema/luzema.h"

namespace luzema {

using namespace drillui;
using namespace drillui::rows;

namespace {

// name, kind, caption, left, top, width, height (twips), font, back, fore, border, alignment, wrap, tab index.
// The text box comes after "Выход" in the focus order and "Повтор, если текст испорчен" last.
constexpr ControlRow MainControls[] = {
    {Command3, Button, u"Повтор, если текст испорчен", 3720, 5640, 3495, 375, SansSerif(9.75, Bold), Bgr(0x00FFFF80), DefaultColour, false, Centre, false, 6},
    {Text1, TextBox, u"", 1080, 1560, 9255, 1575, TimesNewRoman(21.75, Bold, Italic), Bgr(0x00FFFFC0), Bgr(0x00C00000), false, Left, Wraps, 5},
    {Command7, Button, u"Выход", 7320, 6240, 1935, 495, FormFont, Bgr(0x00FFFF80), DefaultColour, false, Centre, false, 4},
    {Command5, Button, u"Ещё предложение", 4200, 5040, 2535, 495, FormFont, Bgr(0x00FFFF80), DefaultColour, false, Centre, false, 3},
    {Command4, Button, u"Запятые расставлены", 3720, 4440, 3375, 495, FormFont, Bgr(0x00FFFF80), DefaultColour, false, Centre, false, 2},
    {Command2, Button, u"Начало", 4680, 720, 1695, 375, SansSerif(9.75, Bold), Bgr(0x00FFFF80), DefaultColour, false, Centre, false, 1},
    {Command1, Button, u"Правило", 1680, 6240, 1935, 495, FormFont, Bgr(0x00FFFF80), DefaultColour, false, Centre, false, 0},
    {Label1, Label, u"", 4440, 3240, 2655, 375, SansSerif(9.75, Bold), Bgr(0x00FFFFC0), Bgr(0x00FF00FF), false, Centre, false, 7},
    {Label8, Label, u"", 240, 3600, 9975, 735, TimesNewRoman(14.25, Bold), Bgr(0x00FFFFC0), Bgr(0x00C00000), false, Left, Wraps, 8},
    {Label7, Label, u"", 3120, 1080, 615, 375, FormFont, Bgr(0x00FFFFC0), Bgr(0x00800000), Boxed, Centre, false, 9},
    {Label6, Label, u"Предложений:", 1440, 1080, 1695, 255, SansSerif(9.75, Bold), Bgr(0x00FFFFC0), Bgr(0x00800000), false, Left, false, 10},
    {Label5, Label, u"", 9360, 1080, 615, 375, FormFont, Bgr(0x00FFFFC0), Bgr(0x000000FF), Boxed, Centre, false, 11},
    {Label4, Label, u"Сделано  ошибок:", 7320, 1080, 2055, 255, SansSerif(9.75, Bold), Bgr(0x00FFFFC0), Bgr(0x00800000), false, Left, false, 12},
};

// The label has no text colour of its own: the toolkit's black.
constexpr ControlRow RulesControls[] = {
    {Label1, Label, u"Если причастный оборот стоит после определяемого слова, то он выделяется запятыми.", 240, 480, 6615, 1215, FormFont, Bgr(0x00FFFFC0), DefaultColour, false, Centre, Wraps, 0},
};

}  // namespace

// form, caption, inner width and height, design position, back, fore, font, picture, icon, fixed frame, controls
const FormLayout Forms[2] = {
    {Form::Form1, u"Tolvenir", 10590, 7305, 285, 915, Bgr(0x00FFFF80), Bgr(0x000000FF), SansSerif(12, Bold),
     ":/luzema/background.svg", ":/luzema/icon.svg", true, MainControls},
    {Form::Form2, u"Правило", 7065, 2130, 1260, 3510, Bgr(0x00FFFFC0), Bgr(0x00C00000), TimesNewRoman(15.75),
     "", ":/luzema/icon.svg", true, RulesControls},
};

}  // namespace luzema
