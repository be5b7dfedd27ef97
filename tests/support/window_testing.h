#pragma once
// Helpers for tests that drive the real windows on the offscreen platform.

#include <QAccessible>
#include <QMessageBox>
#include <QPalette>
#include <QString>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/comma_drill.h"
#include "engine/item_bank.h"
#include "ui/layout.h"
#include "tests/support/window_controls.h"
#include "windows/program_windows.h"

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
    QImage picture = {};  // the box as it stood on the screen
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

// Checks the window and every control against its description, with the description's units
// converted here, apart from the window layer's own conversions: geometry (15 twips to a pixel),
// caption, font (the design face or its stand-in as installed, points at 96 dots per inch), colours
// (&H00BBGGRR&), border, alignment, wrapping; and the window's caption, size and frame.
void ExpectMatchesLayout(QWidget* window, const FormLayout& layout);

// The names of the controls the Tab key visits, starting from the one that has the focus.
std::vector<std::string> FocusWalk(QWidget* window);

// A program's windows as the pupil finds them on starting it: the main window on show, its first
// button focused. A test presses the real buttons and reads the real labels.
class StartedProgram {
public:
    explicit StartedProgram(const ProgramDescription& program);

    // Clicks the main window's button; the message boxes it opens are recorded and closed with OK.
    std::vector<SeenMessage> Press(Control button);
    QAbstractButton* Button(Control name) const { return ButtonOf(windows, name); }
    QWidget* Main() const { return windows.Window(Form::Form1); }
    // A label's text; "<no label>" when its window is not open or has no such label.
    QString Text(Control label, Form form = Form::Form1) const;
    // The bank row whose prompt stands in the main window, or whose sentence the text box was given.
    const drill::DrillItem& RowOnShow(const drill::ItemBank& bank) const;
    const drill::SentenceItem& RowOnShow(const drill::SentenceBank& bank) const;

    ProgramWindows windows;
};

// The same as a test fixture: `using TavrelWindows = StartedProgramTest<&Program>;`.
template <const ProgramDescription& (*ProgramOf)()>
class StartedProgramTest : public ::testing::Test, public StartedProgram {
protected:
    StartedProgramTest() : StartedProgram(ProgramOf()) {}
};

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
