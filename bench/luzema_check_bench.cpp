// The time from "Запятые расставлены" on a pasted megabyte of wrong text until the verdict and the
// text stand painted in the window: the real windows, on the offscreen platform.

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>

#include <benchmark/benchmark.h>

#include "programs/luzema/luzema.h"
#include "windows/application.h"
#include "tests/support/window_controls.h"
#include "windows/program_windows.h"

namespace {

using drill::Control;
using drill::Form;

// A megabyte of sentence-like text, or of one endless word that no blank lets wrap.
QString MegabyteOfWrongText(bool blanks) {
    const QString piece = blanks ? QStringLiteral("Лодка управляемая твёрдыми <b>руками</b>, сапёров\u00A0чиркнула\t😀 ")
                                 : QStringLiteral("Лодка,управляемая<b>твёрдыми</b>руками😀");
    QString text;
    while (text.size() < (1 << 20)) text += piece;
    text.truncate(1 << 20);
    return text;
}

// CheckCommas judges only the first check of a sentence, so every round needs a fresh window
// with the text pasted; that preparation is not timed, and makes a round slow enough that a fixed
// number of rounds is measured.
void CheckAndShowMegabyte(benchmark::State& state, bool paint, bool blanks) {
    const QString text = MegabyteOfWrongText(blanks);
    for (auto _ : state) {
        state.PauseTiming();
        drillwin::ProgramWindows windows(luzema::Program());
        windows.ShowMainWindow();
        windows.Drill().Press(Control::Command2);
        TextBoxOf(windows)->selectAll();
        TextBoxOf(windows)->insertPlainText(text);
        QApplication::processEvents();
        const QLabel* answer = LabelOf(windows, Form::Form1, Control::Label8);
        state.ResumeTiming();

        ButtonOf(windows, Control::Command4)->click();
        if (paint) QApplication::processEvents();

        state.PauseTiming();
        if (answer->text().size() != text.size()) state.SkipWithError("the answer line lost characters");
        state.ResumeTiming();
    }
}

void CheckMegabyte(benchmark::State& state) { CheckAndShowMegabyte(state, false, true); }
void CheckAndPaintMegabyte(benchmark::State& state) { CheckAndShowMegabyte(state, true, true); }
void CheckAndPaintMegabyteWord(benchmark::State& state) { CheckAndShowMegabyte(state, true, false); }

BENCHMARK(CheckMegabyte)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(CheckAndPaintMegabyte)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(CheckAndPaintMegabyteWord)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    drillwin::PrepareApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
