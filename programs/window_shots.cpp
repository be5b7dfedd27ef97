// Saves pictures of a program's windows for review and for the README:
//   window_shots PROGRAM FOLDER
// PROGRAM-start.png (as it opens), PROGRAM-round.png (after "Начало" and an answer), PROGRAM-rules.png
// and, where the program has one, PROGRAM-result.png.

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>

#include <cstdio>
#include <map>
#include <string>

#include "fendrok.h"
#include "program_windows.h"
#include "gondila.h"
#include "luzema.h"
#include "mirskav.h"
#include "tavrel.h"

namespace {

using drill::Control;
using drill::Form;

const std::map<std::string, const drillwin::ProgramDescription& (*)()> Programs = {
    {"tavrel", &tavrel::Program},
    {"gondila", &gondila::Program},
    {"mirskav", &mirskav::Program},
    {"luzema", &luzema::Program},
    {"fendrok", &fendrok::Program},
};

bool Save(QWidget* window, const QString& path) {
    QApplication::processEvents();
    if (!window || !window->grab().save(path)) {
        std::fprintf(stderr, "could not save %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    drillwin::PrepareApplication();
    const auto program = argc == 3 ? Programs.find(argv[1]) : Programs.end();
    if (program == Programs.end()) {
        std::fprintf(stderr, "usage: window_shots PROGRAM FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(folder);
    const QString prefix = folder + QLatin1Char('/') + QString::fromStdString(program->first);

    drillwin::ProgramWindows windows(program->second());
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
    return saved ? 0 : 1;
}
