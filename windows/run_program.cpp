#include <QApplication>
#include <QIcon>
#include <QProxyStyle>
#include <QStyleFactory>

#include <map>

#include "program_windows.h"

namespace drillwin {

namespace {

// Fusion, with its standard icons looked up once. On a desktop the toolkit otherwise searches the
// icon themes and loads its own images anew for the icon and the OK button of every message box,
// about half of the work of showing one.
class FusionStyle final : public QProxyStyle {
public:
    FusionStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override {
        // An option may ask for a variant (a direction, a state): only the plain icons are kept.
        if (option) return QProxyStyle::standardIcon(icon, option, widget);
        auto found = icons_.find(icon);
        if (found == icons_.end()) found = icons_.emplace(icon, QProxyStyle::standardIcon(icon, option, widget)).first;
        return found->second;
    }

private:
    mutable std::map<StandardPixmap, QIcon> icons_;
};

}  // namespace

void PrepareApplication() {
    // The windows paint their own light grounds, so default texts must stay dark on them.
    QApplication::setStyle(new FusionStyle);
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
