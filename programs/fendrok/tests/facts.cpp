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
    facts.EndMessage = u"Опрос окончен.";
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
    return facts;
}

}  // namespace fendrok
