#include "programs/fendrok/bank.h"

namespace fendrok {

using drill::DrillItem;

namespace {

// One "_" stands for the whole н-sequence, one letter or two. Prompts 3 to 20 begin with a blank
// that the pupil sees; the full texts have none. Row 9 is written with ё.
constexpr DrillItem Rows[] = {
    {1, u"радост_о", u"н", u"радостно"},
    {2, u"тума_о", u"нн", u"туманно"},
    {3, u" ритмич_о", u"н", u"ритмично"},
    {4, u" мысле_о", u"нн", u"мысленно"},
    {5, u" письме_о", u"нн", u"письменно"},
    {6, u" безмолв_о", u"н", u"безмолвно"},
    {7, u" безветре_о", u"нн", u"безветренно"},
    {8, u" буднич_о", u"н", u"буднично"},
    {9, u" удивлё_о", u"нн", u"удивлённо"},
    {10, u" душев_о", u"н", u"душевно"},
    {11, u" медле_о", u"нн", u"медленно"},
    {12, u" нечая_о", u"нн", u"нечаянно"},
    {13, u" символич_о", u"н", u"символично"},
    {14, u" неслыха_о", u"нн", u"неслыханно"},
    {15, u" неожида_о", u"нн", u"неожиданно"},
    {16, u" взволнова_о", u"нн", u"взволнованно"},
    {17, u" обдума_о", u"нн", u"обдуманно"},
    {18, u" самокритич_о", u"н", u"самокритично"},
    {19, u" карти_о", u"нн", u"картинно"},
    {20, u" бесслед_о", u"н", u"бесследно"},
};

}  // namespace

// The option values are shorter than the button captions "-н-" and "-нн-".
const drill::DrillProfile Profile{
    .Bank = drill::ItemBank(Rows),
    .FirstOption = u"н",
    .SecondOption = u"нн",
    .MessageTitle = u"Правописание Fendrok на -о и -е",
    .EndMessage = u"Опрос окончен.",
    .WarningIcon = drill::MessageStyle::Warning,
    .EndIcon = drill::MessageStyle::Information,
};

}  // namespace fendrok
