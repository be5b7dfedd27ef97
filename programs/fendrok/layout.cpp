#include "programs/fendrok/fendrok.h"

namespace fendrok {

using namespace drillui;
using namespace drillui::rows;

namespace {

// name, kind, caption, left, top, width, height (twips), font, back, fore, border, alignment, wrap, tab index
constexpr ControlRow MainControls[] = {
    {Command1, Button, u"Правило", 2640, 5760, 2055, 495, FormFont, Bgr(0x00FFFF80), DefaultColour, false, Centre, false, 0},
    {Command2, Button, u"Начало", 4680, 1200, 1695, 495, FormFont, Bgr(0x00FFFF80), DefaultColour, false, Centre, false, 1},
    {Label1, Label, u"", 2880, 2640, 5055, 735, TimesNewRoman(26.25, Bold), Bgr(0x00FFFFC0), Bgr(0x00C00000), Boxed, Centre, false, 2},
    {Label2, Label, u"Сколько  -Н-  нужно вставить в наречие", 2280, 2040, 6255, 375, TimesNewRoman(15.75), Bgr(0x00FFFFC0), Bgr(0x00C00000), false, Centre, false, 3},
    {Command3, Button, u"-н-", 3840, 3960, 975, 615, TimesNewRoman(21.75, Bold), Bgr(0x00FFFF80), DefaultColour, false, Centre, false, 4},
    {Command4, Button, u"-нн-", 6240, 3960, 975, 615, TimesNewRoman(21.75, Bold), Bgr(0x00FFFF80), DefaultColour, false, Centre, false, 5},
    {Label3, Label, u"или", 5160, 4080, 735, 375, TimesNewRoman(14.25), Bgr(0x00FFFFC0), DefaultColour, false, Centre, false, 6},
    {Label4, Label, u"Сделано  ошибок:", 7320, 1080, 2055, 255, SansSerif(9.75, Bold), Bgr(0x00FFFFC0), Bgr(0x00800000), false, Left, false, 7},
    {Label5, Label, u"", 9360, 1080, 615, 375, FormFont, Bgr(0x00FFFFC0), Bgr(0x000000FF), Boxed, Centre, false, 8},
    {Label6, Label, u"Задано вопросов:", 1080, 1080, 2055, 255, SansSerif(9.75, Bold), Bgr(0x00FFFFC0), Bgr(0x00800000), false, Left, false, 9},
    {Label7, Label, u"", 3120, 1080, 615, 375, FormFont, Bgr(0x00FFFFC0), Bgr(0x00800000), Boxed, Centre, false, 10},
    {Command5, Button, u"Ещё слово", 4440, 4800, 2055, 495, FormFont, Bgr(0x00FFFF80), DefaultColour, false, Centre, false, 11},
    {Command7, Button, u"Выход", 6120, 5760, 1935, 495, FormFont, Bgr(0x00FFFF80), DefaultColour, false, Centre, false, 12},
    {Label8, Label, u"", 3480, 3480, 3855, 375, FormFont, Bgr(0x00FFFFC0), Bgr(0x000000FF), false, Centre, false, 13},
};

// The doubled blanks of the rule text are as the rule was written.
constexpr ControlRow RulesControls[] = {
    {Label1, Label, u"В наречиях  на  -о  и  -е  пишется  столько  же  -н-, сколько в прилагательных, от которых они образованы.", 240, 240, 6735, 1215, FormFont, Bgr(0x00FFFFC0), DefaultColour, false, Centre, Wraps, 0},
};

}  // namespace

// form, caption, inner width and height, design position, back, fore, font, picture, icon, fixed frame, controls
const FormLayout Forms[2] = {
    {Form::Form1, u"Правописание  Fendrok  на  -о  и  -е", 10590, 7305, 285, 915, Bgr(0x00FFFF80), Bgr(0x000000FF),
     SansSerif(12, Bold), ":/fendrok/background.svg", ":/fendrok/icon.svg", true, MainControls},
    {Form::Form2, u"Правила", 7275, 1740, 1020, 1890, Bgr(0x00FFFFC0), Bgr(0x00C00000), TimesNewRoman(15.75),
     "", ":/fendrok/icon.svg", true, RulesControls},
};

}  // namespace fendrok
