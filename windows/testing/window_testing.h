#pragma once
// Helpers for tests that drive the real windows on the offscreen platform.

#include <QMessageBox>
#include <QString>

#include <string>
#include <vector>

#include "layout.h"

class QAbstractButton;
class QWidget;

namespace drillwin::testing {

struct SeenMessage {
    QString text;
    QString title;
    QMessageBox::Icon icon;
};

// Clicks the button with the mouse. Every message box that opens meanwhile is recorded and closed
// with its OK button, so no test ever waits on a box.
std::vector<SeenMessage> Click(QAbstractButton* button);

// Checks every control of the window against its row: geometry, caption, font (as installed),
// colours, border, alignment, wrapping; and the window's own caption, size and frame.
void ExpectMatchesLayout(QWidget* window, const FormLayout& layout);

// The names of the controls the Tab key visits, starting from the one that has the focus.
std::vector<std::string> FocusWalk(QWidget* window);

// Runs the action; message boxes it opens are recorded and closed as by Click.
template <typename Action>
std::vector<SeenMessage> AnsweringMessages(Action action);

// Implementation detail of AnsweringMessages.
class MessageAnswerer {
public:
    MessageAnswerer();
    ~MessageAnswerer();
    std::vector<SeenMessage> Take();

private:
    struct State;
    State* state_;
};

template <typename Action>
std::vector<SeenMessage> AnsweringMessages(Action action) {
    MessageAnswerer answerer;
    action();
    return answerer.Take();
}

}  // namespace drillwin::testing
