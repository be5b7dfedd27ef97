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
    facts.EndMessage = drill::testing::Utf16(expected::EndMessageToResult);
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
    facts.WindowTitles = {"Правописание Mirskav", "Правила", "Результат"};
    facts.FocusOrder = {"Command1", "Command2", "Command3", "Command4", "Command5", "Command6", "Command7"};
    facts.PositionHeading = expected::QuestionsHeading;
    facts.Bank.Phrases = true;
    facts.Bank.WrittenWithYo = {16};
    // The participles keep one н; the adjectives (1-3) and adverbs (11-18) double it.
    facts.Bank.FirstOptionRows = model::Numbers(4, 10);
    // A row with a third word, and the one with ё.
    facts.Bank.Rows = {
        {10, u"озеро скова_о льдом", u"н", u"озеро сковано льдом"},
        {16, u"говорил раздражё_о", u"нн", u"говорил раздражённо"},
    };
    return facts;
}

}  // namespace mirskav
