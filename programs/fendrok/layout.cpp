// The windows of Fendrok as drawn up: one row per control, twips, colours &H00BBGGRR&.

#include "layout.h"

#include "fendrok.h"

namespace fendrok {
namespace {

using drillwin::Align;
using drillwin::Bgr;
using drillwin::ControlRow;
using drillwin::DefaultColour;
using drillwin::Font;
using drillwin::FormFont;
using drillwin::FormLayout;
using drillwin::Kind;
using drill::Control;
using drill::Form;

constexpr Font kSansSerif12Bold{"MS Sans Serif", 12, true};
constexpr Font kSansSerif975Bold{"MS Sans Serif", 9.75, true};
constexpr Font kTimes2625Bold{"Times New Roman", 26.25, true};
constexpr Font kTimes2175Bold{"Times New Roman", 21.75, true};
constexpr Font kTimes1575{"Times New Roman", 15.75};
constexpr Font kTimes1425{"Times New Roman", 14.25};

constexpr auto kFace = Bgr(0x00FFFF80);
constexpr auto kGround = Bgr(0x00FFFFC0);
constexpr auto kRed = Bgr(0x000000FF);
constexpr auto kBlue = Bgr(0x00C00000);
constexpr auto kNavy = Bgr(0x00800000);

constexpr bool Boxed = true;
constexpr bool NoBorder = false;
constexpr bool Wraps = true;
constexpr bool OneLine = false;

constexpr ControlRow kForm1Controls[] = {
    // name             kind         caption                                    left  top   width height font            back    fore           border    align          wrap     tab
    {Control::Command1, Kind::Button, u"Правило",                                2640, 5760, 2055, 495, FormFont,       kFace,   DefaultColour, NoBorder, Align::Centre, OneLine, 0},
    {Control::Command2, Kind::Button, u"Начало",                                 4680, 1200, 1695, 495, FormFont,       kFace,   DefaultColour, NoBorder, Align::Centre, OneLine, 1},
    {Control::Label1,   Kind::Label,  u"",                                       2880, 2640, 5055, 735, kTimes2625Bold, kGround, kBlue,         Boxed,    Align::Centre, OneLine, 2},
    {Control::Label2,   Kind::Label,  u"Сколько  -Н-  нужно вставить в наречие", 2280, 2040, 6255, 375, kTimes1575,     kGround, kBlue,         NoBorder, Align::Centre, OneLine, 3},
    {Control::Command3, Kind::Button, u"-н-",                                    3840, 3960,  975, 615, kTimes2175Bold, kFace,   DefaultColour, NoBorder, Align::Centre, OneLine, 4},
    {Control::Command4, Kind::Button, u"-нн-",                                   6240, 3960,  975, 615, kTimes2175Bold, kFace,   DefaultColour, NoBorder, Align::Centre, OneLine, 5},
    {Control::Label3,   Kind::Label,  u"или",                                    5160, 4080,  735, 375, kTimes1425,     kGround, DefaultColour, NoBorder, Align::Centre, OneLine, 6},
    {Control::Label4,   Kind::Label,  u"Сделано  ошибок:",                       7320, 1080, 2055, 255, kSansSerif975Bold, kGround, kNavy,      NoBorder, Align::Left,   OneLine, 7},
    {Control::Label5,   Kind::Label,  u"",                                       9360, 1080,  615, 375, FormFont,       kGround, kRed,          Boxed,    Align::Centre, OneLine, 8},
    {Control::Label6,   Kind::Label,  u"Задано вопросов:",                       1080, 1080, 2055, 255, kSansSerif975Bold, kGround, kNavy,      NoBorder, Align::Left,   OneLine, 9},
    {Control::Label7,   Kind::Label,  u"",                                       3120, 1080,  615, 375, FormFont,       kGround, kNavy,         Boxed,    Align::Centre, OneLine, 10},
    {Control::Command5, Kind::Button, u"Ещё слово",                              4440, 4800, 2055, 495, FormFont,       kFace,   DefaultColour, NoBorder, Align::Centre, OneLine, 11},
    {Control::Command7, Kind::Button, u"Выход",                                  6120, 5760, 1935, 495, FormFont,       kFace,   DefaultColour, NoBorder, Align::Centre, OneLine, 12},
    {Control::Label8,   Kind::Label,  u"",                                       3480, 3480, 3855, 375, FormFont,       kGround, kRed,          NoBorder, Align::Centre, OneLine, 13},
};

constexpr ControlRow kForm2Controls[] = {
    {Control::Label1, Kind::Label,
     u"В наречиях  на  -о  и  -е  пишется  столько  же  -н-, сколько в прилагательных, от которых они образованы.",
     240, 240, 6735, 1215, FormFont, kGround, DefaultColour, NoBorder, Align::Centre, Wraps, 0},
};

constexpr FormLayout kForms[] = {
    {
        .form = Form::Form1,
        .caption = u"Правописание  Fendrok  на  -о  и  -е",
        .width = 10590, .height = 7305, .left = 285, .top = 915,
        .back = kFace, .fore = kRed, .font = kSansSerif12Bold,
        .picture = ":/fendrok/background.svg", .icon = ":/fendrok/icon.svg",
        .fixedFrame = true,
        .controls = kForm1Controls,
    },
    {
        .form = Form::Form2,
        .caption = u"Правила",
        .width = 7275, .height = 1740, .left = 1020, .top = 1890,
        .back = kGround, .fore = kBlue, .font = kTimes1575,
        .picture = "", .icon = ":/fendrok/icon.svg",
        .fixedFrame = true,
        .controls = kForm2Controls,
    },
};

}  // namespace

std::span<const FormLayout> Forms() { return kForms; }

}  // namespace fendrok
