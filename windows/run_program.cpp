#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

#include "program_windows.h"

namespace drillwin {

void PrepareApplication() {
    // The windows paint their own light grounds, so default texts must stay dark on them.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(QApplication::style()->standardPalette());
    QApplication::setQuitOnLastWindowClosed(false);
}

int RunProgram(int argc, char* argv[], const ProgramDescription& program) {
    QApplication application(argc, argv);
    PrepareApplication();
    ProgramWindows windows(program);
    windows.ShowMainWindow();
    return application.exec();
}

}  // namespace drillwin
