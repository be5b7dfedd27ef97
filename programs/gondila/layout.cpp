#include "programs/gondila/gondila.h"
#include "programs/result_window.h"

namespace gondila {

using namespace drillui;
using namespace drillui::rows;

namespace {

// In the order of the window's description, which lists the controls from the last to the first.
// name, kind, caption, left, top, width, height (twips), font, back, fore, border, alignment, wrap, tab index
constexpr ControlRow MainControls[] = {
    {Command7, Button, u"Выход", 7320, 5640, 1935, 495, FormFont, Bgr(0x00FFFF80), DefaultColour, false, Centre, false, 13},
    {Command6, Button, u"Результат", 4440, 5640, 2055, 495, FormFont, Bgr(0x00FFFF80), DefaultColour, false, Centre, false, 12},
    {Command5, Button, u"Ещё слово", 4440, 4800, 2055, 495, FormFont, Bgr(0x00FFFF80), DefaultColour, false, Centre, false, 11},
    {Command4, Button, u"ё (е)", 6480, 3960, 975, 615, TimesNewRoman(21.75, Bold), Bgr(0x00FFFF80), DefaultColour, false, Centre, false, 5},
    {Command3, Button, u"о", 3600, 3960, 975, 615, TimesNewRoman(21.75, Bold), Bgr(0x00FFFF80), DefaultColour, false, Centre, false, 4},
    {Command2, Button, u"Начало", 4680, 1200, 1695, 495, FormFont, Bgr(0x00FFFF80), DefaultColour, false, Centre, false, 1},
    {Command1, Button, u"Правила", 1560, 5640, 2055, 495, FormFont, Bgr(0x00FFFF80), DefaultColour, false, Centre, false, 0},
    {Label8, Label, u"", 3480, 3480, 3855, 375, FormFont, Bgr(0x00FFFFC0), Bgr(0x000000FF), false, Centre, false, 14},
    {Label7, Label, u"", 3120, 1080, 615, 375, FormFont, Bgr(0x00FFFFC0), Bgr(0x00800000), Boxed, Centre, false, 10},
    {Label6, Label, u"Задано вопросов:", 1080, 1080, 2055, 255, SansSerif(9.75, Bold), Bgr(0x00FFFFC0), Bgr(0x00800000), false, Left, false, 9},
    {Label5, Label, u"", 9360, 1080, 615, 375, FormFont, Bgr(0x00FFFFC0), Bgr(0x000000FF), Boxed, Centre, false, 8},
    {Label4, Label, u"Сделано  ошибок:", 7320, 1080, 2055, 255, SansSerif(9.75, Bold), Bgr(0x00FFFFC0), Bgr(0x00800000), false, Left, false, 7},
    {Label3, Label, u"или", 5160, 4080, 735, 375, TimesNewRoman(14.25), Bgr(0x00FFFFC0), DefaultColour, false, Centre, false, 6},
    {Label2, Label, u"Какую букву нужно вставить в слово?", 2280, 2040, 6255, 375, TimesNewRoman(15.75), Bgr(0x00FFFFC0), Bgr(0x00C00000), false, Centre, false, 3},
    {Label1, Label, u"", 2880, 2640, 5055, 735, TimesNewRoman(26.25, Bold), Bgr(0x00FFFFC0), Bgr(0x00C00000), Boxed, Centre, false, 2},
};

// The result window's caption labels read the category table.
constexpr auto ResultControls = result_window::Controls(Categories);

}  // namespace

// The rules window has no controls: the rules button writes the rule's lines into it.
// form, caption, inner width and height, design position, back, fore, font, picture, icon, fixed frame, controls
const FormLayout Forms[3] = {
    {Form::Form1, u"Правописание Gondila", 10590, 7305, 285, 915, Bgr(0x00FFFF80), Bgr(0x000000FF), SansSerif(12, Bold),
     ":/gondila/background.svg", ":/gondila/icon.svg", true, MainControls},
    {Form::Form2, u"Правила", 8955, 4095, 1275, 2145, Bgr(0x00FFFFC0), Bgr(0x00C00000), TimesNewRoman(15.75),
     "", ":/gondila/icon.svg", true, {}},
    {Form::Form3, u"Результат", 7005, 5115, 2265, 2640, Bgr(0x00FFFFC0), DefaultColour, result_window::ResultFont,
     "", ":/gondila/icon.svg", false, ResultControls},
};

}  // namespace gondila
