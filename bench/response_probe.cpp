// A program's windows driven through one whole round by clicks: prints
// "press BUTTON WALL_NANOSECONDS PROCESSOR_NANOSECONDS" for every press. PROGRAM_HEADER and PROGRAM_NAMESPACE name the program (see CMakeLists.txt).

#include <QApplication>

#include <cstdio>

#include PROGRAM_HEADER
#include "bench/round.h"
#include "windows/program_windows.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    drillwin::PrepareApplication();
    drillwin::ProgramWindows windows(PROGRAM_NAMESPACE::Program());
    for (const bench::Press& press : bench::PlayRound(windows)) {
        std::printf("press %s %lld %lld\n", drill::ControlName(press.button).data(),
                    static_cast<long long>(press.nanoseconds), static_cast<long long>(press.processorNanoseconds));
    }
    return 0;
}
