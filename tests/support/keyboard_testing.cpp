#include "tests/support/keyboard_testing.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace drillwin::testing {

KeyboardPupil::KeyboardPupil(ProgramWindows& windows) : windows_(windows) {
    QApplication::setActiveWindow(windows_.Window(drill::Form::Form1));
}

QWidget* KeyboardPupil::KeyTarget() {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    EXPECT_NE(target, nullptr) << "no window takes the keyboard";
    return target;
}

template <typename Press>
std::vector<SeenMessage> KeyboardPupil::Pressing(Press press, CloseBy closeBy) {
    QWidget* target = KeyTarget();
    if (!target) return {};
    std::vector<SeenMessage> seen = AnsweringMessages([&] { press(target); }, closeBy);
    // Once a box is closed the keyboard must come back to the main window before the next key.
    if (!seen.empty()) ExpectActive(windows_.Window(drill::Form::Form1));
    return seen;
}

std::vector<SeenMessage> KeyboardPupil::Key(Qt::Key key, Qt::KeyboardModifiers modifiers, CloseBy closeBy) {
    return Pressing([&](QWidget* target) { QTest::keyClick(target, key, modifiers); }, closeBy);
}

std::vector<SeenMessage> KeyboardPupil::Key(Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers,
                                            CloseBy closeBy) {
    return Pressing([&](QWidget* target) { QTest::sendKeyEvent(QTest::Click, target, key, text, modifiers); },
                    closeBy);
}

std::vector<SeenMessage> KeyboardPupil::TabAndPress(drill::Control button, Qt::Key key, CloseBy closeBy) {
    const std::string_view name = drill::ControlName(button);
    EXPECT_TRUE(TabTo(windows_.Window(drill::Form::Form1), QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()))));
    return Key(key, Qt::NoModifier, closeBy);
}

QString KeyboardPupil::Focused() const {
    const QWidget* focused = windows_.Window(drill::Form::Form1)->focusWidget();
    return focused ? focused->objectName() : QString();
}

void KeyboardPupil::EscapeBackToMain(drill::Form form) {
    ASSERT_NE(windows_.Window(form), nullptr);
    ExpectActive(windows_.Window(form));
    EXPECT_TRUE(Key(Qt::Key_Escape).empty());
    EXPECT_TRUE(QTest::qWaitFor([&] { return windows_.Window(form) == nullptr; })) << "Escape closes the window";
    ExpectActive(windows_.Window(drill::Form::Form1));
}

void KeyboardPupil::ExpectActive(QWidget* window) {
    EXPECT_TRUE(QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }))
        << "the keyboard goes to " << (window ? window->windowTitle().toStdString() : "nothing");
}

}  // namespace drillwin::testing
