#include "programs/gondila/bank.h"

namespace gondila {
namespace {

using drill::DrillItem;
using drill::ItemBank;
using drill::MessageStyle;
using drill::RuleLine;

// The answer button "ё (е)" carries е: where the word is written with ё, the full text shows ё.
constexpr DrillItem kRows[] = {
    {1, u"рычаж_к", u"о", u"рычажок"},
    {2, u"камеш_к", u"е", u"камешек"},
    {3, u"скворч_нок", u"о", u"скворчонок"},
    {4, u"свеч_й", u"о", u"свечой"},
    {5, u"алыч_й", u"о", u"алычой"},
    {6, u"девч_нка", u"о", u"девчонка"},
    {7, u"рубаш_нка", u"о", u"рубашонка"},
    {8, u"полотенц_м", u"е", u"полотенцем"},
    {9, u"череш_нка", u"е", u"черешенка"},
    {10, u"врач_м", u"о", u"врачом"},
    {11, u"плюш_вый", u"е", u"плюшевый"},
    {12, u"чуж_й", u"о", u"чужой"},
    {13, u"глянц_вый", u"е", u"глянцевый"},
    {14, u"дворц_вый", u"о", u"дворцовый"},
    {15, u"больш_й", u"о", u"большой"},
    {16, u"свеж_", u"о", u"свежо"},
    {17, u"горяч_", u"о", u"горячо"},
    {18, u"певуч_", u"е", u"певуче"},
    {19, u"лиш_нный", u"е", u"лишённый"},
    {20, u"обнаж_нный", u"е", u"обнажённый"},
    {21, u"ч_рный", u"е", u"чёрный"},
    {22, u"ш_рох", u"о", u"шорох"},
    {23, u"ж_лтый", u"е", u"жёлтый"},
    {24, u"смущ_нный", u"е", u"смущённый"},
    {25, u"сгущ_нный", u"е", u"сгущённый"},
    {26, u"крыж_вник", u"о", u"крыжовник"},
    {27, u"стереж_т", u"е", u"стережёт"},
    {28, u"увлеч_т", u"е", u"увлечёт"},
    {29, u"разожж_т", u"е", u"разожжёт"},
    {30, u"пересеч_т", u"е", u"пересечёт"},
    {31, u"испеч_т", u"е", u"испечёт"},
};

// Where each line begins in the rules window, in twips. The exceptions of line 2 name "капюшон"
// with ш: a spelling drill must not teach a misspelt word.
constexpr RuleLine kRuleLines[] = {
    {100, 100, u"1) В КОРНЕ СЛОВА пишется Ё."},
    {400, 400, u"Исключения: крыжовник, шов, капюшон, шорох, трущоба."},
    {100, 900, u"2) В ОКОНЧАНИЯХ И СУФФИКСАХ СУЩЕСТВИТЕЛЬНЫХ,"},
    {400, 1200, u"ПРИЛАГАТЕЛЬНЫХ, НАРЕЧИЙ (исключение: ещё)"},
    {400, 1500, u"под ударением пишется О, без ударения - Е."},
    {100, 2000, u"3) В ОКОНЧАНИЯХ ГЛАГОЛОВ (3л., ед.ч., наст. вр.)"},
    {400, 2300, u"под ударением пишется Ё (испечёт)"},
    {100, 2800, u"4) В СУФФИКСАХ СТРАДАТЕЛЬНЫХ ПРИЧАСТИЙ:"},
    {400, 3100, u"под ударением - ЁНН (испечённый)"},
    {400, 3400, u"без ударения - ЕНН (выращенный)."},
};

}  // namespace

const drill::DrillProfile Profile{
    .Bank = ItemBank(kRows),
    .FirstOption = u"о",
    .SecondOption = u"е",
    .MessageTitle = u"Правописание Gondila",
    .EndMessage = u"Опрос окончен. Посмотрите результат.",
    .WarningIcon = MessageStyle::Plain,
    .EndIcon = MessageStyle::Plain,
    .WrongAnswer = drill::WrongAnswerWrites::FullTextThenCount,
    .RuleLines = kRuleLines,
    .Categories = Categories,
};

}  // namespace gondila
