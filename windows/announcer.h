#pragma once
// What the windows tell a screen reader beyond what it finds by itself: after each press, what the
// press changed in the main window; when a rules or result window opens, its text.
//
// Qt 6.4 has no announcement, and Orca 43 says nothing when a label's text or an accessible name
// changes. It does say a notification the moment the notification shows, wherever the focus is;
// inside a status bar, by its text alone. So every program window carries, as the last child of its
// accessible interface, an unseen status line (no widget, nothing drawn) holding a few
// notifications, and a phrase is said by putting it into the next one and reporting that shown.

#include <QString>

#include <map>
#include <optional>

#include "engine/platform.h"

class QAccessibleInterface;
class QWidget;

namespace drillwin {

class FormWindow;

// The accessible interface of a program window: the window, with its status line as last child.
QAccessibleInterface* MakeWindowAccessible(QWidget* window);

// Says the phrase once through the window's status line. An empty phrase, or one said while no
// assistive technology listens, does nothing.
void Announce(QWidget* window, const QString& phrase);

// Tells the screen reader, once, what each press of a main-window button changes: the texts that
// changed in reading order (a prompt's gap "_" said as the word "пропуск"), then the counters that
// changed, each after its heading; a text that went blank says nothing. And reads a secondary
// window as a whole when it opens: its labels row by row (a blank value as "пусто"), then the lines
// printed into it.
class Announcer {
public:
    // Around the press: notes the main window's texts before it, and says at its end what changed.
    void PressStarting(const FormWindow& main);
    void PressFinished(FormWindow& main);
    // Says what the press has changed so far; called before a message box opens, since Orca would
    // say it only after the box had closed.
    void SayChanges(FormWindow& main);
    // Reads the window once it has become the active one, after the frame's own name, with what
    // the press wrote into it after showing it.
    void ReadWhenActive(FormWindow& window);

private:
    // The main window's texts before the press: only during a press, and only with a listener.
    std::optional<std::map<drill::Control, QString>> before_;
};

}  // namespace drillwin
