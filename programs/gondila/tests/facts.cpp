// What Gondila must do, written down once apart from its code: the model checks the drill against it,
// the speech and keyboard suites the windows. Only the bank rows are taken from the program.

#include "programs/gondila/bank.h"
#include "tests/model/program_facts.h"

namespace gondila {

model::ProgramFacts Facts() {
    model::ProgramFacts facts;
    facts.Name = "Gondila";
    facts.N = 31;
    facts.FirstOption = u"о";
    facts.SecondOption = u"е";
    facts.Title = u"Правописание Gondila";
    facts.EndMessage = u"Опрос окончен. Посмотрите результат.";
    facts.WarningStyle = model::PlainStyle;
    facts.EndStyle = model::PlainStyle;
    facts.CountBeforeFullText = false;
    facts.Categories = {
        {1, 10, drill::Control::Label6, drill::Control::Label23},
        {11, 15, drill::Control::Label13, drill::Control::Label24},
        {16, 18, drill::Control::Label15, drill::Control::Label25},
        {19, 26, drill::Control::Label17, drill::Control::Label26},
        {27, 31, drill::Control::Label19, drill::Control::Label27},
    };
    facts.RuleLines = {
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
    facts.Items = model::Items(Profile.Bank);
    facts.Buttons = {"Правила", "Начало", "о", "ё (е)", "Ещё слово", "Результат", "Выход"};
    facts.RulesSaid =
        "1) В КОРНЕ СЛОВА пишется Ё. Исключения: крыжовник, шов, капюшон, шорох, трущоба. 2) В ОКОНЧАНИЯХ И СУФФИКСАХ "
        "СУЩЕСТВИТЕЛЬНЫХ, ПРИЛАГАТЕЛЬНЫХ, НАРЕЧИЙ (исключение: ещё). под ударением пишется О, без ударения - Е. 3) В "
        "ОКОНЧАНИЯХ ГЛАГОЛОВ (3л., ед.ч., наст. вр.). под ударением пишется Ё (испечёт). 4) В СУФФИКСАХ СТРАДАТЕЛЬНЫХ "
        "ПРИЧАСТИЙ: под ударением - ЁНН (испечённый). без ударения - ЕНН (выращенный).";
    facts.ResultSaid =
        "Всего ошибок: 0 из пусто. Из них: В окончаниях существительных: пусто из пусто. В окончаниях и суффиксах "
        "прилагательных: пусто из пусто. В окончаниях наречий: пусто из пусто. В корне слова: пусто из пусто. В окончаниях "
        "глаголов: пусто из пусто. Не дано никакого ответа: пусто.";
    facts.FirstLetters = u"о";
    facts.SecondLetters = u"ёе";
    facts.FirstKeysNamed = "Клавиша 1 или О";
    facts.SecondKeysNamed = "Клавиша 2, Ё или Е";
    return facts;
}

}  // namespace gondila
