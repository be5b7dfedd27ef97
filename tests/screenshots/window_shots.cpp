// Saves pictures of the programs' windows for review and for the README:
//   window_shots FOLDER [PROGRAM ...]      (every program when none is named)
// PROGRAM-start.png (as it opens), PROGRAM-round.png (after "Начало" and an answer), PROGRAM-rules.png
// and, where the program has one, PROGRAM-result.png.

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/all_programs.h"
#include "windows/program_windows.h"

namespace {

using drill::Control;
using drill::Form;

bool Save(QWidget* window, const QString& path) {
    QApplication::processEvents();
    if (!window || !window->grab().save(path)) {
        std::fprintf(stderr, "could not save %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

bool SaveWindows(const drillwin::testing::NamedProgram& program, const QString& folder) {
    const QString prefix = folder + QLatin1Char('/') + QString::fromLatin1(program.name.data(), program.name.size());
    drillwin::ProgramWindows windows(program.program());
    windows.ShowMainWindow();
    bool saved = Save(windows.Window(Form::Form1), prefix + "-start.png");
    windows.Drill().Press(Control::Command2);
    windows.Drill().Press(Control::Command3);
    // Where the answer is a typed sentence, check it as it stands: a wrong answer, shown back.
    if (windows.TextBox()) windows.Drill().Press(Control::Command4);
    saved &= Save(windows.Window(Form::Form1), prefix + "-round.png");
    windows.Drill().Press(Control::Command1);
    saved &= Save(windows.Window(Form::Form2), prefix + "-rules.png");
    if (windows.Button(Control::Command6)) {
        windows.Drill().Press(Control::Command6);
        saved &= Save(windows.Window(Form::Form3), prefix + "-result.png");
    }
    return saved;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    drillwin::PrepareApplication();
    if (argc < 2) {
        std::fprintf(stderr, "usage: window_shots FOLDER [PROGRAM ...]\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    const std::vector<std::string> named(argv + 2, argv + argc);
    bool saved = true;
    for (const drillwin::testing::NamedProgram& program : drillwin::testing::AllPrograms()) {
        if (named.empty() || std::find(named.begin(), named.end(), program.name) != named.end()) {
            saved &= SaveWindows(program, folder);
        }
    }
    return saved ? 0 : 1;
}
