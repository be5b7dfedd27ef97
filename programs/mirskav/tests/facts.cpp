// What Mirskav must do, written down once apart from its code: the model checks the drill against it,
// the speech and keyboard suites the windows. Only the bank rows are taken from the program.

#include "programs/mirskav/bank.h"
#include "tests/model/program_facts.h"

namespace mirskav {

model::ProgramFacts Facts() {
    model::ProgramFacts facts;
    facts.Name = "Mirskav";
    facts.N = 18;
    facts.FirstOption = u"н";
    facts.SecondOption = u"нн";
    facts.Title = u"Правописание Mirskav";
    facts.EndMessage = u"Опрос окончен. Посмотрите результат.";
    facts.WarningStyle = model::PlainStyle;
    facts.EndStyle = model::PlainStyle;
    facts.CountBeforeFullText = false;
    facts.Categories = {
        {1, 3, drill::Control::Label6, drill::Control::Label23},
        {4, 10, drill::Control::Label13, drill::Control::Label24},
        {11, 18, drill::Control::Label15, drill::Control::Label25},
    };
    facts.Items = model::Items(Profile.Bank);
    facts.Buttons = {"Правила", "Начало", "-н-", "-нн-", "Далее", "Результат", "Выход"};
    facts.RulesSaid =
        "1) В кратких прилагательных женского и среднего рода пишется столько же -Н-, сколько и в полных. 2) В кратких "
        "страдательных причастиях пишется всегда одна -Н-. 3) В наречиях на -О и -Е пишется столько же -Н-, сколько в "
        "прилагательных, от которых они образованы.";
    facts.ResultSaid =
        "Всего ошибок: 0 из пусто. Из них: В кратких прилагательных: пусто из пусто. В кратких страдательных причастиях: "
        "пусто из пусто. В наречиях: пусто из пусто. Не дано никакого ответа: пусто.";
    facts.FirstLetters = u"";
    facts.SecondLetters = u"";
    facts.FirstKeysNamed = "Клавиша 1";
    facts.SecondKeysNamed = "Клавиша 2";
    return facts;
}

}  // namespace mirskav
