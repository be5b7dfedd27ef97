// What Luzema must do, written down once apart from its code: the model checks the drill against it,
// the speech and keyboard suites the windows. Only the bank rows are taken from the program.

#include "programs/luzema/bank.h"
#include "tests/model/program_facts.h"

namespace luzema {

model::ProgramFacts Facts() {
    model::ProgramFacts facts;
    facts.Name = "Luzema";
    facts.Kind = model::Variant::Comma;
    facts.N = 9;
    facts.Title = u"Luzema";
    facts.EndMessage = drill::testing::Utf16(expected::EndMessage);
    facts.WarningStyle = model::WarningStyle;
    facts.EndStyle = model::InformationStyle;
    facts.Sentences = model::Sentences(Bank());
    facts.Buttons = {"Правило", "Начало", "Повтор, если текст испорчен", "Запятые расставлены", "Ещё предложение", "", "Выход"};
    facts.RulesSaid = "Если причастный оборот стоит после определяемого слова, то он выделяется запятыми.";
    facts.WindowTitles = {"Tolvenir", "Правило"};
    facts.FocusOrder = {"Command1", "Command2", "Command4", "Command5", "Command7", "Text1", "Command3"};
    facts.PositionHeading = "Предложений:";
    facts.Bank.WrittenWithYo = {1, 3, 6, 8};
    return facts;
}

}  // namespace luzema
