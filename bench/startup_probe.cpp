// A program's main window, started exactly as the program starts it (same libraries, same calls),
// that prints the time of its first painted frame and ends. PROGRAM_HEADER and PROGRAM_NAMESPACE name
// the program (see CMakeLists.txt).

#include <QApplication>

#include PROGRAM_HEADER
#include "bench/first_paint.h"
#include "windows/application.h"
#include "windows/program_windows.h"

int main(int argc, char* argv[]) {
    const std::int64_t started = bench::MonotonicNanoseconds();
    QApplication application(argc, argv);
    drillwin::PrepareApplication();
    drillwin::ProgramWindows windows(PROGRAM_NAMESPACE::Program());
    bench::ReportFirstPaint(windows.Window(drill::Form::Form1), started);
    windows.ShowMainWindow();
    return application.exec();
}
