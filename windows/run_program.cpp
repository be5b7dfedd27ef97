#include <QApplication>
#include <QIcon>
#include <QProxyStyle>

#include "form_window.h"
#include "program_windows.h"

namespace drillwin {

namespace {

// Fusion with message box icons of its own: Fusion's fallback icons are 32-pixel bitmaps, blurred
// when a box shows them at 48 pixels, and more so on a high-density screen.
class DrillStyle final : public QProxyStyle {
public:
    DrillStyle() : QProxyStyle(QStringLiteral("Fusion")) {}

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override {
        switch (icon) {
            case SP_MessageBoxWarning: return QIcon(QStringLiteral(":/drill/warning.svg"));
            case SP_MessageBoxInformation: return QIcon(QStringLiteral(":/drill/information.svg"));
            default: return QProxyStyle::standardIcon(icon, option, widget);
        }
    }
};

}  // namespace

void PrepareApplication() {
    QApplication::setStyle(new DrillStyle);
    QApplication::setPalette(DesignPalette());
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
