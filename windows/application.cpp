#include "windows/application.h"

#include <QApplication>

#include "windows/design_units.h"
#include "windows/drill_style.h"
#include "windows/status_line.h"

namespace drillwin {

void PrepareApplication() {
    QApplication::setStyle(new DrillStyle);
    QApplication::setPalette(DesignPalette());
    QApplication::setQuitOnLastWindowClosed(false);
    InstallWindowAccessibility();
}

}  // namespace drillwin
