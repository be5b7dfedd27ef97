#include "windows/program.h"

#include <QApplication>

#include "engine/controls.h"
#include "engine/drill_session.h"
#include "windows/application.h"
#include "windows/program_windows.h"

namespace drillwin {

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
            std::move(keys)};
}

int RunProgram(int argc, char* argv[], const ProgramDescription& program) {
    QApplication application(argc, argv);
    PrepareApplication();
    ProgramWindows windows(program);
    windows.ShowMainWindow();
    return application.exec();
}

}  // namespace drillwin
