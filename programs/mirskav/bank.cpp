#include "programs/mirskav/bank.h"

namespace mirskav {
namespace {

using drill::DrillItem;
using drill::ItemBank;
using drill::MessageStyle;

// One "_" stands for the whole н-sequence, whether one letter is missing or two.
constexpr DrillItem kRows[] = {
    {1, u"девочка рассея_а", u"нн", u"девочка рассеянна"},
    {2, u"радость неожида_а", u"нн", u"радость неожиданна"},
    {3, u"выступление оправда_о", u"нн", u"выступление оправданно"},
    {4, u"облака рассея_ы", u"н", u"облака рассеяны"},
    {5, u"козочка испуга_а", u"н", u"козочка испугана"},
    {6, u"больная изолирова_а", u"н", u"больная изолирована"},
    {7, u"подсудимая оправда_а", u"н", u"подсудимая оправдана"},
    {8, u"женщина раздраже_а", u"н", u"женщина раздражена"},
    {9, u"богатство растеря_о", u"н", u"богатство растеряно"},
    {10, u"озеро скова_о льдом", u"н", u"озеро сковано льдом"},
    {11, u"смотрел рассея_о", u"нн", u"смотрел рассеянно"},
    {12, u"получил неожида_о", u"нн", u"получил неожиданно"},
    {13, u"смотрит испуга_о", u"нн", u"смотрит испуганно"},
    {14, u"стоит изолирова_о", u"нн", u"стоит изолированно"},
    {15, u"рисковать оправда_о", u"нн", u"рисковать оправданно"},
    {16, u"говорил раздражё_о", u"нн", u"говорил раздражённо"},
    {17, u"смеяться растеря_о", u"нн", u"смеяться растерянно"},
    {18, u"говорить скова_о", u"нн", u"говорить скованно"},
};

}  // namespace

const drill::DrillProfile Profile{
    .Bank = ItemBank(kRows),
    .FirstOption = u"н",
    .SecondOption = u"нн",
    .MessageTitle = u"Правописание Mirskav",
    .EndMessage = u"Опрос окончен. Посмотрите результат.",
    .WarningIcon = MessageStyle::Plain,
    .EndIcon = MessageStyle::Plain,
    .WrongAnswer = drill::WrongAnswerWrites::FullTextThenCount,
    .Categories = Categories,
};

}  // namespace mirskav
