#include <QAbstractButton>
#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>

#include <map>

#include "windows/form_window.h"
#include "windows/program_windows.h"
#include "windows/stored_pictures.h"

namespace drillwin {

namespace {

// Fusion with message box icons of its own: Fusion's fallback icons are 32-pixel bitmaps, blurred
// when a box shows them at 48 pixels, and more so on a high-density screen. And a focus mark a
// pupil at the keyboard can see: Fusion only tints a button's edge, which on the pale faces of
// these windows hardly shows.
class DrillStyle final : public QProxyStyle {
public:
    DrillStyle() : QProxyStyle(QStringLiteral("Fusion")) {}

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        QProxyStyle::drawControl(element, option, painter, widget);
        if (element != CE_PushButton || !(option->state & State_HasFocus) || !(option->state & State_KeyboardFocusChange)) return;
        // A dotted rectangle inside the face, in the caption's colour, as on classic buttons.
        painter->save();
        painter->setPen(QPen(option->palette.color(QPalette::ButtonText), 1, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(4, 4, -5, -5));
        painter->restore();
    }

    // Each icon is looked up once: on a desktop the toolkit otherwise searches the icon themes and
    // loads its images anew for the OK button of every message box, and every box would load its
    // own copy of its icon; together about half of the work of showing one.
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override {
        // An option may ask for a variant (a direction, a state): only the plain icons are kept.
        if (option) return LookUpIcon(icon, option, widget);
        auto found = icons_.find(icon);
        if (found == icons_.end()) found = icons_.emplace(icon, LookUpIcon(icon, option, widget)).first;
        return found->second;
    }

private:
    QIcon LookUpIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const {
        switch (icon) {
            case SP_MessageBoxWarning: return IconWithStoredSizes(QStringLiteral(":/drill/warning.svg"));
            case SP_MessageBoxInformation: return IconWithStoredSizes(QStringLiteral(":/drill/information.svg"));
            default: return QProxyStyle::standardIcon(icon, option, widget);
        }
    }

    mutable std::map<StandardPixmap, QIcon> icons_;
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
