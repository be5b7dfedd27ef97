#include "windows/drill_style.h"

#include <QPainter>
#include <QStyleOption>

#include "windows/picture_store.h"

namespace drillwin {

DrillStyle::DrillStyle() : QProxyStyle(QStringLiteral("Fusion")) {}

void DrillStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element != CE_PushButton || !(option->state & State_HasFocus) || !(option->state & State_KeyboardFocusChange)) return;
    // A dotted rectangle inside the face, in the caption's colour, as on classic buttons.
    painter->save();
    painter->setPen(QPen(option->palette.color(QPalette::ButtonText), 1, Qt::DotLine));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option->rect.adjusted(4, 4, -5, -5));
    painter->restore();
}

// Each icon is looked up once: on a desktop the toolkit otherwise searches the icon themes and loads
// its images anew for the OK button of every message box, and every box would load its own copy of
// its icon; together about half of the work of showing one.
QIcon DrillStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const {
    // An option may ask for a variant (a direction, a state): only the plain icons are kept.
    if (option) return LookUpIcon(icon, option, widget);
    auto found = icons_.find(icon);
    if (found == icons_.end()) found = icons_.emplace(icon, LookUpIcon(icon, option, widget)).first;
    return found->second;
}

QIcon DrillStyle::LookUpIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const {
    switch (icon) {
        case SP_MessageBoxWarning: return IconWithStoredSizes(QStringLiteral(":/drill/warning.svg"));
        case SP_MessageBoxInformation: return IconWithStoredSizes(QStringLiteral(":/drill/information.svg"));
        default: return QProxyStyle::standardIcon(icon, option, widget);
    }
}

}  // namespace drillwin
