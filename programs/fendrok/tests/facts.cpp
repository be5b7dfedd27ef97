// What Fendrok must do, written down once apart from its code: the model checks the drill against it,
// the speech and keyboard suites the windows. Only the bank rows are taken from the program.

#include "programs/fendrok/bank.h"
#include "tests/model/program_facts.h"

namespace fendrok {

model::ProgramFacts Facts() {
    model::ProgramFacts facts;
    facts.Name = "Fendrok";
    facts.N = 20;
    facts.FirstOption = u"н";
    facts.SecondOption = u"нн";
    facts.Title = u"Правописание Fendrok на -о и -е";
    facts.EndMessage = drill::testing::Utf16(expected::EndMessage);
    facts.WarningStyle = model::WarningStyle;
    facts.EndStyle = model::InformationStyle;
    facts.Items = model::Items(Profile.Bank);
    facts.Buttons = {"Правило", "Начало", "-н-", "-нн-", "Ещё слово", "", "Выход"};
    facts.RulesSaid =
        "В наречиях на -о и -е пишется столько же -н-, сколько в прилагательных, от которых они образованы.";
    facts.FirstLetters = u"";
    facts.SecondLetters = u"";
    facts.FirstKeysNamed = "Клавиша 1";
    facts.SecondKeysNamed = "Клавиша 2";
    facts.WindowTitles = {"Правописание  Fendrok  на  -о  и  -е", "Правила"};
    facts.FocusOrder = {"Command1", "Command2", "Command3", "Command4", "Command5", "Command7"};
    facts.PositionHeading = expected::QuestionsHeading;
    facts.Bank.LeadingBlank = model::Numbers(3, 20);
    facts.Bank.WrittenWithYo = {9};
    facts.Bank.FirstOptionRows = {1, 3, 6, 8, 10, 13, 18, 20};
    // The rows the rules name, and the one written with ё.
    facts.Bank.Rows = {
        {1, u"радост_о", u"н", u"радостно"},     {2, u"тума_о", u"нн", u"туманно"},
        {3, u" ритмич_о", u"н", u"ритмично"},    {4, u" мысле_о", u"нн", u"мысленно"},
        {9, u" удивлё_о", u"нн", u"удивлённо"}, {20, u" бесслед_о", u"н", u"бесследно"},
    };
    return facts;
}

}  // namespace fendrok
