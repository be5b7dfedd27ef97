#include "programs/tavrel/bank.h"

namespace tavrel {

using drill::DrillItem;

namespace {

// Prompts 3 to 23 begin with a blank that the full texts do not have.
constexpr DrillItem Rows[] = {
    {1, u"пр_помнить", u"и", u"припомнить"},
    {2, u"пр_интересный", u"е", u"преинтересный"},
    {3, u" пр_седать", u"и", u"приседать"},
    {4, u" пр_тих", u"и", u"притих"},
    {5, u" пр_скучный", u"е", u"прескучный"},
    {6, u" пр_колоть", u"и", u"приколоть"},
    {7, u" пр_ломить", u"е", u"преломить"},
    {8, u" пр_брежный", u"и", u"прибрежный"},
    {9, u" пр_увеличить", u"е", u"преувеличить"},
    {10, u" пр_терпевать", u"е", u"претерпевать"},
    {11, u" пр_мчаться", u"и", u"примчаться"},
    {12, u" пр_огромный", u"е", u"преогромный"},
    {13, u" пр_двинуть", u"и", u"придвинуть"},
    {14, u" пр_небрегать", u"е", u"пренебрегать"},
    {15, u" пр_рвать", u"е", u"прервать"},
    {16, u" пр_творить (дверь)", u"и", u"притворить (дверь)"},
    {17, u" пр_ступить (закон)", u"е", u"преступить (закон)"},
    {18, u" пр_хорашиваться", u"и", u"прихорашиваться"},
    {19, u" пр_цепить", u"и", u"прицепить"},
    {20, u" пр_касаться", u"и", u"прикасаться"},
    {21, u" пр_гореть", u"и", u"пригореть"},
    {22, u" пр_хвастнуть", u"и", u"прихвастнуть"},
    {23, u" пр_добрый", u"е", u"предобрый"},
};

}  // namespace

const drill::DrillProfile Profile{
    .Bank = drill::ItemBank(Rows),
    .FirstOption = u"е",
    .SecondOption = u"и",
    .MessageTitle = u"Tavrel",
    .EndMessage = u"Опрос окончен.",
    .WarningIcon = drill::MessageStyle::Warning,
    .EndIcon = drill::MessageStyle::Information,
};

}  // namespace tavrel
