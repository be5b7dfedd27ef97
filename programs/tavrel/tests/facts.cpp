// What Tavrel must do, written down once apart from its code: the model checks the drill against it,
// the speech and keyboard suites the windows. Only the bank rows are taken from the program.

#include "programs/tavrel/bank.h"
#include "tests/model/program_facts.h"

namespace tavrel {

model::ProgramFacts Facts() {
    model::ProgramFacts facts;
    facts.Name = "Tavrel";
    facts.N = 23;
    facts.FirstOption = u"е";
    facts.SecondOption = u"и";
    facts.Title = u"Tavrel";
    facts.EndMessage = drill::testing::Utf16(expected::EndMessage);
    facts.WarningStyle = model::WarningStyle;
    facts.EndStyle = model::InformationStyle;
    facts.Items = model::Items(Profile.Bank);
    facts.Buttons = {"Правила", "Начало", "е", "и", "Ещё слово", "", "Выход"};
    facts.RulesSaid =
        "При-. Если приставка обозначает присоединение, приближение, близость или неполное действие. Пре-. Если приставка "
        "близка по значению к слову ОЧЕНЬ или к приставке ПЕРЕ-. Например: привинтить (присоединение). прекрасный (= "
        "очень). преграда (перегородить). Исключения: прекратить, приобрести, приготовить, преобразовать, привыкать, "
        "преодолевать, пригласить, присмотреться, присутствовать.";
    facts.FirstLetters = u"е";
    facts.SecondLetters = u"и";
    facts.FirstKeysNamed = "Клавиша 1 или Е";
    facts.SecondKeysNamed = "Клавиша 2 или И";
    facts.WindowTitles = {"Tavrel", "Правила"};
    facts.FocusOrder = {"Command1", "Command2", "Command3", "Command4", "Command5", "Command7"};
    facts.PositionHeading = expected::QuestionsHeading;
    // "привинтить" in bold stands 2 pixels past the right edge of its label in the rules window.
    facts.CaptionsCutOff = {"Form2.Label6"};
    facts.Bank.LeadingBlank = model::Numbers(3, 23);
    facts.Bank.Hinted = {16, 17};
    // Ten words take пре-.
    facts.Bank.FirstOptionRows = {2, 5, 7, 9, 10, 12, 14, 15, 17, 23};
    facts.Bank.Rows = {
        {1, u"пр_помнить", u"и", u"припомнить"},
        {3, u" пр_седать", u"и", u"приседать"},
        {16, u" пр_творить (дверь)", u"и", u"притворить (дверь)"},
        {17, u" пр_ступить (закон)", u"е", u"преступить (закон)"},
    };
    return facts;
}

}  // namespace tavrel
