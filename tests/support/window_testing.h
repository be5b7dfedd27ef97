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
#include "windows/layout.h"
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

// A control as the pupil must see it: placed in the design's twips, its font in points, its
// colours as RGB.
struct ExpectedControl {
    Control name;
    Kind kind;
    QString caption;
    int left, top, width, height;  // twips
    std::string_view family;       // as the design names it; the test resolves it to the installed face
    double points;
    bool bold;
    QColor back;  // invalid: a label on the toolkit's own ground
    QColor fore;
    bool boxed;
    bool centred;
    bool wraps = false;
    bool italic = false;
    bool underline = false;
};

// A window as the pupil must see it.
struct ExpectedWindow {
    QString caption;
    int width, height;  // inner area, twips
    QColor back;
    bool fixedFrame;
    std::vector<ExpectedControl> controls;
};

// The window as its description has it, the colours read from their &H00BBGGRR& values.
ExpectedWindow AsDescribed(const FormLayout& layout);

// Checks every control of the window against its row: geometry, caption, font (as installed),
// colours, border, alignment, wrapping, and that it lies within the window; and the window's own
// caption, size and frame.
void ExpectShows(QWidget* window, const ExpectedWindow& expected);

// The window against the description it was built from.
inline void ExpectMatchesLayout(QWidget* window, const FormLayout& layout) { ExpectShows(window, AsDescribed(layout)); }

// The names of the controls the Tab key visits, starting from the one that has the focus.
std::vector<std::string> FocusWalk(QWidget* window);

// A program's windows as the pupil finds them on starting it: the main window on show, its first
// button focused. A test presses the real buttons and reads the real labels.
class StartedProgram {
public:
    explicit StartedProgram(const ProgramDescription& program);

    // Clicks the main window's button; the message boxes it opens are recorded and closed with OK.
    std::vector<SeenMessage> Press(Control button);
    QAbstractButton* Button(Control name) const { return windows.Button(name); }
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
