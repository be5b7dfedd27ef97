// A program's windows driven through one whole round by clicks: prints
// "prepared WALL_NANOSECONDS PROCESSOR_NANOSECONDS" for what the program does while idle after its
// first frame, and "press BUTTON WALL_NANOSECONDS PROCESSOR_NANOSECONDS" for every press.
// PROGRAM_HEADER and PROGRAM_NAMESPACE name the program (see CMakeLists.txt).

#include <QApplication>

#include <cstdio>

#include PROGRAM_HEADER
#include "bench/round.h"
#include "windows/application.h"
#include "windows/program_windows.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    drillwin::PrepareApplication();
    drillwin::ProgramWindows windows(PROGRAM_NAMESPACE::Program());
    const bench::Round round = bench::PlayRound(windows);
    std::printf("prepared %lld %lld\n", static_cast<long long>(round.preparedNanoseconds),
                static_cast<long long>(round.preparedProcessorNanoseconds));
    for (const bench::Press& press : round.presses) {
        std::printf("press %s %lld %lld\n", drill::ControlName(press.button).data(),
                    static_cast<long long>(press.nanoseconds), static_cast<long long>(press.processorNanoseconds));
    }
    return 0;
}
