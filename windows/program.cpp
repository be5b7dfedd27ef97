#include "windows/program.h"

#include <QApplication>

#include "windows/application.h"
#include "windows/program_windows.h"

namespace drillwin {

int RunProgram(int argc, char* argv[], const ProgramDescription& program) {
    QApplication application(argc, argv);
    PrepareApplication();
    ProgramWindows windows(program);
    windows.ShowMainWindow();
    return application.exec();
}

}  // namespace drillwin
