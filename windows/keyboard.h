#pragma once
// The keyboard beside Tab, and Space or Enter on the focused button, for every program:
// - in the main window, whatever has the focus: the program's answer keys (windows/keys.h) and F1
//   press their buttons as a click does; Ctrl+Enter in the answer box presses its submit button;
// - after an answer the focus goes to the next-item button, so that Enter takes the next item; Enter
//   on that button does nothing while the item on show waits for its answer, so that an Enter pressed
//   twice never skips one; where the pupil answers in a text box, it takes the focus with each item;
// - Escape closes a rules or result window and gives the main window the keyboard back;
// - each key is named in the accessible description of the button it presses.
// A modal message box keeps its own keys: none of these reaches the windows while one is open.

#include <QObject>
#include <QPointer>

#include <functional>

#include "engine/drill.h"
#include "windows/keys.h"

class QKeyEvent;

namespace drillwin {

class FormWindow;

class Keyboard final : public QObject {
public:
    // The table must outlive the keyboard; state tells where the round stands.
    Keyboard(const KeyTable& keys, std::function<drill::DrillState()> state);

    // Takes the window's keys and names them where the pupil meets them.
    void Attach(FormWindow* window);
    // Called once a press of a main-window button has run its operation.
    void AfterPress(drill::Control button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool MainWindowKey(QWidget* receiver, const QKeyEvent& key);
    bool SecondaryWindowKey(QWidget* window, const QKeyEvent& key);
    void Press(drill::Control button);
    void Focus(drill::Control control);
    void Describe(FormWindow* main);
    bool IsAnswerButton(drill::Control button) const;

    const KeyTable& keys_;
    std::function<drill::DrillState()> state_;
    QPointer<FormWindow> main_;
};

}  // namespace drillwin
