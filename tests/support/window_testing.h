#pragma once
// Helpers for tests that drive the real windows on the offscreen platform.

#include <QAccessible>
#include <QMessageBox>
#include <QPalette>
#include <QString>

#include <string>
#include <vector>

#include "windows/layout.h"

class QAbstractButton;
class QWidget;

namespace drillwin::testing {

struct SeenMessage {
    QString text;
    QString title;
    QMessageBox::Icon icon;
    // What a screen reader is told about the box, read from its accessible interface.
    QAccessible::Role spokenRole = QAccessible::NoRole;
    QString spokenName = {};
    QString spokenValue = {};
    QPalette palette = {};
    QPixmap iconPixmap = {};
    bool closedAsAsked = true;  // false: the pupil's key did not close it (the test's OK click did)
};

// How the pupil closes a message box.
enum class CloseBy { OkButton, EnterKey, EscapeKey };

// Clicks the button with the mouse. Every message box that opens meanwhile is recorded and closed
// with its OK button, so no test ever waits on a box.
std::vector<SeenMessage> Click(QAbstractButton* button);

// Sends the key press and release to the widget (as to the control with the keyboard focus);
// message boxes that open meanwhile are recorded and closed as closeBy says.
std::vector<SeenMessage> PressKey(QWidget* widget, Qt::Key key, CloseBy closeBy = CloseBy::EnterKey);

// Presses Tab until the named control has the focus; false when the focus comes round without
// reaching it.
bool TabTo(QWidget* window, const QString& name);

// The accessible interface of a widget, as a screen reader finds it.
QAccessibleInterface* Accessible(QWidget* widget);

// Checks every control of the window against its row: geometry, caption, font (as installed),
// colours, border, alignment, wrapping; and the window's own caption, size and frame.
void ExpectMatchesLayout(QWidget* window, const FormLayout& layout);

// The names of the controls the Tab key visits, starting from the one that has the focus.
std::vector<std::string> FocusWalk(QWidget* window);

// Runs the action; message boxes it opens are recorded and closed as by Click (or as closeBy says).
template <typename Action>
std::vector<SeenMessage> AnsweringMessages(Action action, CloseBy closeBy = CloseBy::OkButton);

// Implementation detail of AnsweringMessages.
class MessageAnswerer {
public:
    explicit MessageAnswerer(CloseBy closeBy);
    ~MessageAnswerer();
    std::vector<SeenMessage> Take();

private:
    struct State;
    State* state_;
};

template <typename Action>
std::vector<SeenMessage> AnsweringMessages(Action action, CloseBy closeBy) {
    MessageAnswerer answerer(closeBy);
    action();
    return answerer.Take();
}

}  // namespace drillwin::testing
