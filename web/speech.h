#pragma once
// What a screen reader is told beyond what it finds on the page by itself: after each press, what
// the press changed in the main window; when a rules or result window opens, the window as a whole.
// Both go into one live region of the page, unseen, which readers speak as it changes.

#include <optional>

#include "ui/phrases.h"
#include "web/page_window.h"

namespace drillweb {

class Speech {
public:
    // itemLabel: the main-window label read as the item (ui/program.h).
    Speech(val page, std::optional<Control> itemLabel);

    // Around a press: notes the main window's texts before it, and says at its end what changed.
    void PressStarting(const PageWindow& main);
    void PressFinished(const PageWindow& main);
    // Says what the press has changed so far: before a message box takes the reader's attention.
    void SayChanges(const PageWindow& main);
    void ReadWindow(const PageWindow& window);

private:
    void Say(const drillui::Phrase& phrase);

    val region_;
    std::optional<Control> itemLabel_;
    std::optional<drillui::Texts> before_;
};

}  // namespace drillweb
