#pragma once
// A pupil at the keyboard of a program's real windows: every key goes where the desktop sends it,
// to the focused control of the active window, and message boxes are answered as in
// window_testing.h.

#include <QString>

#include <vector>

#include "tests/support/window_testing.h"
#include "windows/program_windows.h"

namespace drillwin::testing {

class KeyboardPupil {
public:
    // Makes the main window the active one, as it is when the program starts.
    explicit KeyboardPupil(ProgramWindows& windows);

    // One key, with the text the active layout makes of it (none: the text Qt gives the key).
    std::vector<SeenMessage> Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                                 CloseBy closeBy = CloseBy::EnterKey);
    std::vector<SeenMessage> Key(Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers,
                                 CloseBy closeBy = CloseBy::EnterKey);
    // Tab until the button has the focus, then the key.
    std::vector<SeenMessage> TabAndPress(drill::Control button, Qt::Key key, CloseBy closeBy = CloseBy::EnterKey);

    // The name of the main window's focused control ("Command5"), whether the window is active or not.
    QString Focused() const;
    // Expects the secondary window to have the keyboard, closes it by Escape and expects the
    // keyboard back in the main window.
    void EscapeBackToMain(drill::Form form);
    // Expects the window to have the keyboard (waits for the platform's activation).
    static void ExpectActive(QWidget* window);
    // Where the desktop sends a key now.
    static QWidget* KeyTarget();

private:
    template <typename Press>
    std::vector<SeenMessage> Pressing(Press press, CloseBy closeBy);

    ProgramWindows& windows_;
};

}  // namespace drillwin::testing
