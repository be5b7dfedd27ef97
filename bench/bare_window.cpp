// The floor of the start-up benchmark: the bare window, timed to its first painted frame exactly as
// the program probes are.

#include <QApplication>
#include <QWidget>

#include "bench/bare.h"
#include "bench/first_paint.h"

int main(int argc, char* argv[]) {
    const std::int64_t started = bench::MonotonicNanoseconds();
    QApplication application(argc, argv);
    QWidget window;
    bench::BuildBareWindow(window);
    bench::ReportFirstPaint(&window, started);
    window.show();
    return application.exec();
}
