#include "programs/gondila/gondila.h"

namespace gondila {

using namespace drillwin;
using namespace drillwin::rows;

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

// Every label in MS Sans Serif 12 pt bold. Captions and "из" take the window's ground; the value
// labels keep the toolkit's label ground and centre their digits.
constexpr Font ResultFont = SansSerif(12, Bold);
constexpr Colour ResultGround = Bgr(0x00FFFFC0);

constexpr ControlRow ResultControls[] = {
    {Label1, Label, u"Всего ошибок:", 600, 240, 1935, 375, ResultFont, ResultGround, DefaultColour, false, Left, false, 0},
    {Label2, Label, u"", 2520, 240, 615, 375, ResultFont, DefaultColour, DefaultColour, false, Centre, false, 1},
    {Label4, Label, u"из", 3240, 240, 375, 375, ResultFont, ResultGround, DefaultColour, false, Left, false, 2},
    {Label22, Label, u"", 3600, 240, 615, 375, ResultFont, DefaultColour, DefaultColour, false, Centre, false, 3},
    {Label3, Label, u"Из них:", 600, 720, 1095, 375, ResultFont, ResultGround, DefaultColour, false, Left, false, 4},
    {Label5, Label, u"В окончаниях существительных:", 600, 1200, 4215, 375, ResultFont, ResultGround, DefaultColour, false, Left, false, 5},
    {Label6, Label, u"", 4800, 1200, 615, 375, ResultFont, DefaultColour, DefaultColour, false, Centre, false, 6},
    {Label7, Label, u"из", 5640, 1200, 375, 375, ResultFont, ResultGround, DefaultColour, false, Left, false, 7},
    {Label23, Label, u"", 6120, 1200, 615, 375, ResultFont, DefaultColour, DefaultColour, false, Centre, false, 8},
    {Label8, Label, u"В окончаниях и суффиксах прилагательных:", 600, 1680, 4215, 735, ResultFont, ResultGround, DefaultColour, false, Left, Wraps, 9},
    {Label13, Label, u"", 4800, 1920, 615, 375, ResultFont, DefaultColour, DefaultColour, false, Centre, false, 10},
    {Label14, Label, u"из", 5640, 1920, 375, 375, ResultFont, ResultGround, DefaultColour, false, Left, false, 11},
    {Label24, Label, u"", 6120, 1920, 615, 375, ResultFont, DefaultColour, DefaultColour, false, Centre, false, 12},
    {Label9, Label, u"В окончаниях наречий:", 600, 2520, 4095, 495, ResultFont, ResultGround, DefaultColour, false, Left, false, 13},
    {Label15, Label, u"", 4800, 2520, 615, 375, ResultFont, DefaultColour, DefaultColour, false, Centre, false, 14},
    {Label16, Label, u"из", 5640, 2520, 375, 375, ResultFont, ResultGround, DefaultColour, false, Left, false, 15},
    {Label25, Label, u"", 6120, 2520, 615, 375, ResultFont, DefaultColour, DefaultColour, false, Centre, false, 16},
    {Label10, Label, u"В корне слова:", 600, 3120, 4095, 495, ResultFont, ResultGround, DefaultColour, false, Left, false, 17},
    {Label17, Label, u"", 4800, 3120, 615, 375, ResultFont, DefaultColour, DefaultColour, false, Centre, false, 18},
    {Label18, Label, u"из", 5640, 3120, 375, 375, ResultFont, ResultGround, DefaultColour, false, Left, false, 19},
    {Label26, Label, u"", 6120, 3120, 615, 375, ResultFont, DefaultColour, DefaultColour, false, Centre, false, 20},
    {Label11, Label, u"В окончаниях глаголов:", 600, 3720, 4095, 495, ResultFont, ResultGround, DefaultColour, false, Left, false, 21},
    {Label19, Label, u"", 4800, 3720, 615, 375, ResultFont, DefaultColour, DefaultColour, false, Centre, false, 22},
    {Label20, Label, u"из", 5640, 3720, 375, 375, ResultFont, ResultGround, DefaultColour, false, Left, false, 23},
    {Label27, Label, u"", 6120, 3720, 615, 375, ResultFont, DefaultColour, DefaultColour, false, Centre, false, 24},
    {Label12, Label, u"Не дано никакого ответа:", 600, 4320, 4095, 495, ResultFont, ResultGround, DefaultColour, false, Left, false, 25},
    {Label21, Label, u"", 4800, 4320, 615, 375, ResultFont, DefaultColour, DefaultColour, false, Centre, false, 26},
};

}  // namespace

// The rules window has no controls: the rules button writes the rule's lines into it.
// form, caption, inner width and height, design position, back, fore, font, picture, icon, fixed frame, controls
const FormLayout Forms[3] = {
    {Form::Form1, u"Правописание Gondila", 10590, 7305, 285, 915, Bgr(0x00FFFF80), Bgr(0x000000FF), SansSerif(12, Bold),
     ":/gondila/background.svg", ":/gondila/icon.svg", true, MainControls},
    {Form::Form2, u"Правила", 8955, 4095, 1275, 2145, Bgr(0x00FFFFC0), Bgr(0x00C00000), TimesNewRoman(15.75),
     "", ":/gondila/icon.svg", true, {}},
    {Form::Form3, u"Результат", 7005, 5115, 2265, 2640, Bgr(0x00FFFFC0), DefaultColour, ResultFont,
     "", ":/gondila/icon.svg", false, ResultControls},
};

}  // namespace gondila
