#include "ui/program.h"

#include "engine/drill_session.h"

namespace drillui {

ProgramDescription ChoiceDrillProgram(std::span<const FormLayout> forms, const drill::DrillProfile& profile,
                                      std::span<const AnswerLetters> letters) {
    KeyTable keys{{{drill::FirstAnswerButton, u"1"}, {drill::SecondAnswerButton, u"2"}}, std::nullopt};
    for (const AnswerLetters& row : letters) {
        for (AnswerKey& answer : keys.answers) {
            if (answer.button == row.button) answer.characters += row.letters;
        }
    }
    return {forms,
            [&profile](drill::Platform& platform) { return std::make_unique<drill::DrillSession>(profile, platform); },
            std::move(keys), drill::PromptLabel};
}

}  // namespace drillui
