#pragma once
// What the windows tell a screen reader beyond what it finds by itself (windows/status_line.h):
// after each press, what the press changed in the main window; when a rules or result window opens,
// its text (ui/phrases.h).

#include <optional>

#include "ui/phrases.h"

namespace drillwin {

class FormWindow;

// Tells the screen reader, once, what each press of a main-window button changes, and reads a
// secondary window as a whole when it opens.
class Announcer {
public:
    // The item label is read as the item, its gap said as a word (ui/program.h).
    explicit Announcer(std::optional<drill::Control> itemLabel) : itemLabel_(itemLabel) {}

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
    std::optional<drillui::Texts> before_;
    std::optional<drill::Control> itemLabel_;
};

}  // namespace drillwin
