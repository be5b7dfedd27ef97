#pragma once
// A running program on its page: the platform operations through which the drill writes into its
// windows, and the wiring of each click and key between the windows, the drill, the message box and
// what a screen reader is told. The engine expects ShowMessage to return once the pupil has closed
// the box; a page cannot wait, so while a box is open every later platform operation and every step
// after the press waits, and runs once the box is closed: what a press does after its box happens
// after the box, as on the desktop.

#include <array>
#include <deque>
#include <functional>
#include <memory>

#include "engine/clock_random.h"
#include "ui/program.h"
#include "web/message_box.h"
#include "web/page_window.h"
#include "web/speech.h"

namespace drillweb {

class ProgramPage final : public drill::Platform {
public:
    // Builds the main window on the page; the description must outlive the page.
    explicit ProgramPage(const drillui::ProgramDescription& program);
    ~ProgramPage() override;

    void SetCaption(Form form, Control label, drill::TextView text) override;
    drill::Text GetText(Control textBox) override;
    void SetText(Control textBox, drill::TextView text) override;
    void ShowMessage(drill::TextView text, drill::MessageStyle style, drill::TextView title) override;
    void ShowWindow(Form form) override;
    void PlotPoint(Form form, int x, int y) override;
    void PrintLine(Form form, drill::TextView text) override;
    void ReseedRandom() override;
    float NextRandom() override;
    void EndProgram() override;

private:
    // Runs the step now, or once the open box is closed and the steps before it have run.
    void InTurn(std::function<void()> step);
    void BoxClosed();

    void Press(Control button);
    void Clicked(val event);
    void KeyDown(val event);
    void CloseWindow(Form form);
    PageWindow* Open(Form form) const { return windows_[static_cast<std::size_t>(form)].get(); }
    PageWindow& Main() const { return *windows_[0]; }
    // The windows at the largest scale, up to their design size, at which the main window fits the
    // viewport.
    void FitToViewport();
    void Describe();

    const drillui::ProgramDescription& program_;
    drill::ClockRandom random_;
    std::unique_ptr<drill::Drill> drill_;
    val desk_;
    std::array<std::unique_ptr<PageWindow>, 3> windows_;
    std::vector<Form> toRead_;  // the windows the press showed, read once it has written them
    val lastFocusedInMain_ = val::undefined();
    Speech speech_;
    MessageBox box_;
    std::deque<std::function<void()>> waiting_;
    // A text box content set while a box is open, not yet shown: what GetText then gives.
    std::optional<drill::Text> textToShow_;
    double scale_ = 1;
    bool ended_ = false;
    Listener clicks_;
    Listener keys_;
    Listener focus_;
    Listener resize_;
};

// Builds the program's page and keeps it running after main returns.
void RunProgram(const drillui::ProgramDescription& program);

}  // namespace drillweb
