#pragma once
// The look every program window is designed for, whatever the desktop's theme: Qt's Fusion style,
// with message box icons of its own and a focus mark a pupil at the keyboard can see.

#include <QIcon>
#include <QProxyStyle>

#include <map>

namespace drillwin {

// Fusion's fallback message box icons are 32-pixel bitmaps, blurred when a box shows them at 48
// pixels, and more so on a high-density screen; Fusion only tints a focused button's edge, which on
// the pale faces of these windows hardly shows.
class DrillStyle final : public QProxyStyle {
public:
    DrillStyle();

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override;

private:
    QIcon LookUpIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const;

    mutable std::map<StandardPixmap, QIcon> icons_;
};

}  // namespace drillwin
