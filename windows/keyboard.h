#pragma once
// The keyboard of every program (ui/keys.h) on the Qt windows: key events seen before the focused
// control takes them, presses made as clicks, the focus moved, each key named where the pupil meets
// it.

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

#include "engine/drill.h"
#include "ui/keys.h"

class QKeyEvent;

namespace drillwin {

class FormWindow;

class Keyboard final : public QObject {
public:
    // The table must outlive the keyboard; state tells where the round stands.
    Keyboard(const drillui::KeyTable& keys, std::function<drill::DrillState()> state);

    // Takes the window's keys and names them where the pupil meets them.
    void Attach(FormWindow* window);
    // Called once a press of a main-window button has run its operation.
    void AfterPress(drill::Control button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The main-window control the widget is, or lies within.
    std::optional<drill::Control> ControlOf(const QWidget* widget) const;
    void Press(drill::Control button);
    void Focus(drill::Control control);
    void Describe(FormWindow* main);

    const drillui::KeyTable& keys_;
    std::function<drill::DrillState()> state_;
    QPointer<FormWindow> main_;
};

}  // namespace drillwin
