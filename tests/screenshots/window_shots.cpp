// Saves pictures of the programs' windows for review and for the README:
//   window_shots FOLDER [PROGRAM ...]      (every program when none is named)
// PROGRAM-start.png (as it opens), PROGRAM-round.png (after "Начало" and an answer), PROGRAM-rules.png
// and, where the program has one, PROGRAM-result.png. The round's order is drawn from a fixed seed,
// so that the pictures of two builds can be compared pixel for pixel.

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "programs/registry.h"
#include "windows/application.h"
#include "tests/support/window_controls.h"
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

// The windows' platform with a random source that draws the same order at every run.
class SeededPlatform final : public drill::Platform {
public:
    drill::Platform* windows = nullptr;

    void SetCaption(Form form, Control label, drill::TextView text) override { windows->SetCaption(form, label, text); }
    drill::Text GetText(Control box) override { return windows->GetText(box); }
    void SetText(Control box, drill::TextView text) override { windows->SetText(box, text); }
    void ShowMessage(drill::TextView text, drill::MessageStyle style, drill::TextView title) override {
        windows->ShowMessage(text, style, title);
    }
    void ShowWindow(Form form) override { windows->ShowWindow(form); }
    void PlotPoint(Form form, int x, int y) override { windows->PlotPoint(form, x, y); }
    void PrintLine(Form form, drill::TextView text) override { windows->PrintLine(form, text); }
    void ReseedRandom() override { generator_.seed(1); }
    float NextRandom() override { return static_cast<float>(generator_() >> 8) * 0x1p-24f; }
    void EndProgram() override { windows->EndProgram(); }

private:
    std::mt19937 generator_;
};

bool SaveWindows(const programs::Registered& program, const QString& folder) {
    const QString prefix = folder + QLatin1Char('/') + QString::fromLatin1(program.name.data(), program.name.size());
    SeededPlatform seeded;
    drillui::ProgramDescription description = program.program();
    description.makeDrill = [&seeded, original = description.makeDrill](drill::Platform& windows) {
        seeded.windows = &windows;
        return original(seeded);
    };
    drillwin::ProgramWindows windows(description);
    windows.ShowMainWindow();
    bool saved = Save(windows.Window(Form::Form1), prefix + "-start.png");
    windows.Drill().Press(Control::Command2);
    windows.Drill().Press(Control::Command3);
    // Where the answer is a typed sentence, check it as it stands: a wrong answer, shown back.
    if (TextBoxOf(windows)) windows.Drill().Press(Control::Command4);
    saved &= Save(windows.Window(Form::Form1), prefix + "-round.png");
    windows.Drill().Press(Control::Command1);
    saved &= Save(windows.Window(Form::Form2), prefix + "-rules.png");
    if (ButtonOf(windows, Control::Command6)) {
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
    for (const programs::Registered& program : programs::All()) {
        if (named.empty() || std::find(named.begin(), named.end(), program.name) != named.end()) {
            saved &= SaveWindows(program, folder);
        }
    }
    return saved ? 0 : 1;
}
