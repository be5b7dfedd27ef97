#include "programs/tavrel/tavrel.h"

namespace tavrel {

using namespace drillui;
using namespace drillui::rows;

namespace {

// name, kind, caption, left, top, width, height (twips), font, back, fore, border, alignment, wrap, tab index
constexpr ControlRow MainControls[] = {
    {Command1, Button, u"Правила", 2640, 5760, 2055, 495, FormFont, Bgr(0x00FFFF80), DefaultColour, false, Centre, false, 0},
    {Command2, Button, u"Начало", 4680, 1200, 1695, 495, FormFont, Bgr(0x00FFFF80), DefaultColour, false, Centre, false, 1},
    {Label1, Label, u"", 2880, 2640, 5055, 735, TimesNewRoman(26.25, Bold), Bgr(0x00FFFFC0), Bgr(0x00C00000), Boxed, Centre, false, 2},
    {Label2, Label, u"Какую букву нужно вставить в приставку?", 2280, 2040, 6255, 375, TimesNewRoman(15.75), Bgr(0x00FFFFC0), Bgr(0x00C00000), false, Centre, false, 3},
    {Command3, Button, u"е", 4080, 3960, 735, 615, TimesNewRoman(21.75, Bold), Bgr(0x00FFFF80), DefaultColour, false, Centre, false, 4},
    {Command4, Button, u"и", 6240, 3960, 735, 615, TimesNewRoman(21.75, Bold), Bgr(0x00FFFF80), DefaultColour, false, Centre, false, 5},
    {Label3, Label, u"или", 5160, 4080, 735, 375, TimesNewRoman(14.25), Bgr(0x00FFFFC0), DefaultColour, false, Centre, false, 6},
    {Label4, Label, u"Сделано  ошибок:", 7320, 1080, 2055, 255, SansSerif(9.75, Bold), Bgr(0x00FFFFC0), Bgr(0x00800000), false, Left, false, 7},
    {Label5, Label, u"", 9360, 1080, 615, 375, FormFont, Bgr(0x00FFFFC0), Bgr(0x000000FF), Boxed, Centre, false, 8},
    {Label6, Label, u"Задано вопросов:", 1080, 1080, 2055, 255, SansSerif(9.75, Bold), Bgr(0x00FFFFC0), Bgr(0x00800000), false, Left, false, 9},
    {Label7, Label, u"", 3120, 1080, 615, 375, FormFont, Bgr(0x00FFFFC0), Bgr(0x00800000), Boxed, Centre, false, 10},
    {Command5, Button, u"Ещё слово", 4440, 4800, 2055, 495, FormFont, Bgr(0x00FFFF80), DefaultColour, false, Centre, false, 11},
    {Command7, Button, u"Выход", 6120, 5760, 1935, 495, FormFont, Bgr(0x00FFFF80), DefaultColour, false, Centre, false, 12},
    {Label8, Label, u"", 3480, 3480, 3855, 375, FormFont, Bgr(0x00FFFFC0), Bgr(0x000000FF), false, Centre, false, 13},
};

constexpr ControlRow RulesControls[] = {
    {Label1, Label, u"При-", 3840, 120, 1335, 495, TimesNewRoman(18, Bold, false, Underline), Bgr(0x00FFFFC0), Bgr(0x00C00000), false, Centre, false, 0},
    {Label2, Label, u"Если приставка обозначает присоединение, приближение, близость или неполное действие.", 600, 960, 7455, 735, FormFont, Bgr(0x00FFFFC0), DefaultColour, false, Centre, Wraps, 1},
    {Label4, Label, u"Пре-", 3720, 1800, 1575, 495, TimesNewRoman(18, Bold, false, Underline), Bgr(0x00FFFFC0), Bgr(0x00C00000), false, Centre, false, 3},
    {Label5, Label, u"Если приставка близка по значению к слову ОЧЕНЬ или к приставке ПЕРЕ-", 1320, 2400, 6615, 735, FormFont, Bgr(0x00FFFFC0), DefaultColour, false, Centre, Wraps, 4},
    {Label3, Label, u"Например:", 480, 3480, 1575, 375, FormFont, Bgr(0x00FFFFC0), DefaultColour, false, Left, false, 2},
    {Label6, Label, u"привинтить", 2160, 3480, 1695, 375, TimesNewRoman(15.75, Bold), Bgr(0x00FFFFC0), Bgr(0x00C00000), false, Left, false, 5},
    {Label9, Label, u"(присоединение)", 4200, 3480, 2295, 375, FormFont, Bgr(0x00FFFFC0), DefaultColour, false, Left, false, 8},
    {Label7, Label, u"прекрасный", 2160, 3840, 1815, 375, TimesNewRoman(15.75, Bold), Bgr(0x00FFFFC0), Bgr(0x00C00000), false, Left, false, 6},
    {Label10, Label, u"(= очень)", 4200, 3840, 2055, 375, FormFont, Bgr(0x00FFFFC0), DefaultColour, false, Left, false, 9},
    {Label8, Label, u"преграда", 2160, 4200, 1335, 375, TimesNewRoman(15.75, Bold), Bgr(0x00FFFFC0), Bgr(0x00C00000), false, Left, false, 7},
    {Label11, Label, u"(перегородить)", 4200, 4200, 2295, 375, FormFont, Bgr(0x00FFFFC0), DefaultColour, false, Left, false, 10},
    {Label12, Label, u"Исключения:", 240, 4680, 1935, 375, FormFont, Bgr(0x00FFFFC0), DefaultColour, false, Left, false, 11},
    {Label13, Label, u"прекратить, приобрести, приготовить, преобразовать, привыкать, преодолевать, пригласить, присмотреться, присутствовать.", 2160, 4680, 6135, 1095, FormFont, Bgr(0x00FFFFC0), DefaultColour, false, Left, Wraps, 12},
};

}  // namespace

// form, caption, inner width and height, design position, back, fore, font, picture, icon, fixed frame, controls
const FormLayout Forms[2] = {
    {Form::Form1, u"Tavrel", 10590, 7305, 285, 915, Bgr(0x00FFFF80), Bgr(0x000000FF), SansSerif(12, Bold),
     ":/tavrel/background.svg", ":/tavrel/icon.svg", true, MainControls},
    {Form::Form2, u"Правила", 8955, 6000, 1020, 1890, Bgr(0x00FFFFC0), Bgr(0x00C00000), TimesNewRoman(15.75),
     ":/tavrel/rules.svg", ":/tavrel/icon.svg", true, RulesControls},
};

}  // namespace tavrel
