#include "programs/mirskav/mirskav.h"
#include "programs/result_window.h"

namespace mirskav {

using namespace drillui;
using namespace drillui::rows;

namespace {

// name, kind, caption, left, top, width, height (twips), font, back, fore, border, alignment, wrap, tab index
constexpr ControlRow MainControls[] = {
    {Command1, Button, u"Правила", 1560, 5640, 2055, 495, FormFont, Bgr(0x00FFFF80), DefaultColour, false, Centre, false, 0},
    {Command2, Button, u"Начало", 4680, 1200, 1695, 495, FormFont, Bgr(0x00FFFF80), DefaultColour, false, Centre, false, 1},
    {Label1, Label, u"", 1920, 2640, 6735, 735, TimesNewRoman(26.25, Bold), Bgr(0x00FFFFC0), Bgr(0x00C00000), Boxed, Centre, false, 2},
    {Label2, Label, u"Сколько  -Н-  нужно вставить?", 2280, 2040, 6255, 375, TimesNewRoman(15.75), Bgr(0x00FFFFC0), Bgr(0x00C00000), false, Centre, false, 3},
    {Command3, Button, u"-н-", 3600, 3960, 975, 615, TimesNewRoman(21.75, Bold), Bgr(0x00FFFF80), DefaultColour, false, Centre, false, 4},
    {Command4, Button, u"-нн-", 6480, 3960, 975, 615, TimesNewRoman(21.75, Bold), Bgr(0x00FFFF80), DefaultColour, false, Centre, false, 5},
    {Label3, Label, u"или", 5160, 4080, 735, 375, TimesNewRoman(14.25), Bgr(0x00FFFFC0), DefaultColour, false, Centre, false, 6},
    {Label4, Label, u"Сделано  ошибок:", 7320, 1080, 2055, 255, SansSerif(9.75, Bold), Bgr(0x00FFFFC0), Bgr(0x00800000), false, Left, false, 7},
    {Label5, Label, u"", 9360, 1080, 615, 375, FormFont, Bgr(0x00FFFFC0), Bgr(0x000000FF), Boxed, Centre, false, 8},
    {Label6, Label, u"Задано вопросов:", 1080, 1080, 2055, 255, SansSerif(9.75, Bold), Bgr(0x00FFFFC0), Bgr(0x00800000), false, Left, false, 9},
    {Label7, Label, u"", 3120, 1080, 615, 375, FormFont, Bgr(0x00FFFFC0), Bgr(0x00800000), Boxed, Centre, false, 10},
    {Command5, Button, u"Далее", 4680, 4800, 1695, 495, FormFont, Bgr(0x00FFFF80), DefaultColour, false, Centre, false, 11},
    {Command6, Button, u"Результат", 4440, 5640, 2055, 495, FormFont, Bgr(0x00FFFF80), DefaultColour, false, Centre, false, 12},
    {Command7, Button, u"Выход", 7320, 5640, 1935, 495, FormFont, Bgr(0x00FFFF80), DefaultColour, false, Centre, false, 13},
    {Label8, Label, u"", 3480, 3480, 3855, 375, FormFont, Bgr(0x00FFFFC0), Bgr(0x000000FF), false, Centre, false, 14},
};

// Rule 3 reads "В наречиях": the grammatical case a Russian lesson has to show. The doubled blanks
// around -Н-, -О and -Е set the letters apart and stay.
constexpr ControlRow RulesControls[] = {
    {Label1, Label, u"1) В кратких прилагательных женского и среднего рода пишется столько же  -Н-, сколько и в полных.", 360, 360, 7215, 735, FormFont, Bgr(0x00FFFFC0), DefaultColour, false, Left, Wraps, 0},
    {Label2, Label, u"2) В кратких страдательных причастиях пишется всегда одна  -Н-.", 360, 1320, 7095, 735, FormFont, Bgr(0x00FFFFC0), DefaultColour, false, Left, Wraps, 1},
    {Label3, Label, u"3) В наречиях на  -О  и  -Е  пишется столько же  -Н-, сколько в прилагательных, от которых они образованы.", 360, 2280, 7215, 1095, FormFont, Bgr(0x00FFFFC0), DefaultColour, false, Left, Wraps, 2},
};

// The result window's caption labels read the category table.
constexpr auto ResultControls = result_window::Controls(Categories);

}  // namespace

// form, caption, inner width and height, design position, back, fore, font, picture, icon, fixed frame, controls
const FormLayout Forms[3] = {
    {Form::Form1, u"Правописание Mirskav", 10590, 7305, 285, 915, Bgr(0x00FFFF80), Bgr(0x000000FF), SansSerif(12, Bold),
     ":/mirskav/background.svg", ":/mirskav/icon.svg", true, MainControls},
    {Form::Form2, u"Правила", 7590, 3765, 1275, 2145, Bgr(0x00FFFFC0), Bgr(0x00C00000), TimesNewRoman(15.75),
     "", ":/mirskav/icon.svg", true, RulesControls},
    {Form::Form3, u"Результат", 7005, 3885, 2265, 2640, Bgr(0x00FFFFC0), DefaultColour, result_window::ResultFont,
     "", ":/mirskav/icon.svg", false, ResultControls},
};

}  // namespace mirskav
