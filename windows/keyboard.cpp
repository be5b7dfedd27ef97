#include "windows/keyboard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>

#include "engine/controls.h"
#include "windows/form_window.h"
#include "windows/text.h"

namespace drillwin {

namespace {

using drill::Control;

drillui::KeyPress KeyPressOf(const QKeyEvent& key) {
    using Name = drillui::KeyPress::Name;
    drillui::KeyPress press;
    switch (key.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: press.name = Name::Enter; break;
        case Qt::Key_F1: press.name = Name::F1; break;
        case Qt::Key_Escape: press.name = Name::Escape; break;
        default: press.name = key.text().isEmpty() ? Name::Other : Name::Character; break;
    }
    // The key code, not the text: the keypad's digits are the same keys.
    if (key.key() >= Qt::Key_0 && key.key() <= Qt::Key_9) press.digit = key.key() - Qt::Key_0;
    if (key.text().size() == 1) press.character = key.text().front().unicode();
    press.ctrl = key.modifiers() & Qt::ControlModifier;
    press.alt = key.modifiers() & Qt::AltModifier;
    press.meta = key.modifiers() & Qt::MetaModifier;
    press.shift = key.modifiers() & Qt::ShiftModifier;
    press.repeat = key.isAutoRepeat();
    return press;
}

}  // namespace

Keyboard::Keyboard(const drillui::KeyTable& keys, std::function<drill::DrillState()> state)
    : keys_(keys), state_(std::move(state)) {}

void Keyboard::Attach(FormWindow* window) {
    // Every control of the window, so that a key is seen before the focused control takes it.
    window->installEventFilter(this);
    for (QWidget* control : window->findChildren<QWidget*>()) control->installEventFilter(this);
    if (window->Layout().form == drill::MainWindow) {
        main_ = window;
        Describe(window);
    } else {
        window->setAccessibleDescription(ToQString(drillui::SecondaryWindowKeys));
    }
}

void Keyboard::Describe(FormWindow* main) {
    for (const drillui::SpokenControl& spoken : drillui::SpokenKeys(keys_, main->Layout())) {
        QWidget* widget = main->Control(spoken.control);
        if (!widget) continue;
        if (!spoken.name.empty()) widget->setAccessibleName(ToQString(spoken.name));
        widget->setAccessibleDescription(ToQString(spoken.description));
    }
}

bool Keyboard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || QApplication::activeModalWidget()) return false;
    auto* receiver = qobject_cast<QWidget*>(watched);
    if (!receiver || !main_) return false;
    const drillui::KeyPress key = KeyPressOf(static_cast<const QKeyEvent&>(*event));
    if (receiver->window() != main_) {
        if (!drillui::ClosesWindow(key)) return false;
        receiver->window()->close();
        main_->activateWindow();
        return true;
    }
    const drillui::KeyOutcome outcome = drillui::MainWindowKey(keys_, key, ControlOf(receiver), state_());
    if (outcome.press) Press(*outcome.press);
    return outcome.taken;
}

std::optional<Control> Keyboard::ControlOf(const QWidget* widget) const {
    for (const drillui::ControlRow& row : main_->Layout().controls) {
        const QWidget* control = main_->Control(row.name);
        if (control && (control == widget || control->isAncestorOf(widget))) return row.name;
    }
    return std::nullopt;
}

void Keyboard::Press(Control button) {
    auto* target = qobject_cast<QAbstractButton*>(main_->Control(button));
    if (!target) return;
    // The pupil is at the keyboard: the focus frame shows from now on, as after a Tab.
    if (!main_->testAttribute(Qt::WA_KeyboardFocusChange)) {
        main_->setAttribute(Qt::WA_KeyboardFocusChange);
        if (QWidget* focused = main_->focusWidget()) focused->update();
    }
    target->click();
}

void Keyboard::AfterPress(Control button) {
    if (!main_) return;
    if (const auto control = drillui::FocusAfterPress(keys_, button, state_())) Focus(*control);
}

// Only when the focus is elsewhere: a screen reader speaks every move.
void Keyboard::Focus(Control control) {
    QWidget* target = main_->Control(control);
    if (target && main_->focusWidget() != target) target->setFocus(Qt::OtherFocusReason);
}

}  // namespace drillwin
