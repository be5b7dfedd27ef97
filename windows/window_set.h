#pragma once
// The windows of a program and how long each lives: the main window for the whole run; a secondary
// window from its first showing until the pupil closes it, and one built ahead while the program is
// idle, hidden, for the next showing of its form.

#include <QPointer>

#include <array>
#include <functional>
#include <optional>
#include <span>

#include "engine/controls.h"
#include "windows/form_window.h"

namespace drillwin {

class WindowSet {
public:
    // wire is given each window as it is built. The main window (the first description) is built
    // at once.
    WindowSet(std::span<const FormLayout> forms, std::function<void(FormWindow&)> wire);
    ~WindowSet();
    WindowSet(const WindowSet&) = delete;
    WindowSet& operator=(const WindowSet&) = delete;

    FormWindow& Main() const { return *Open(drill::MainWindow); }
    // The window of the form as it stands: null before its first showing and after the pupil
    // closed it.
    FormWindow* Open(Form form) const;
    // The window to show for the form: the open one, else the one built ahead, else a new one; a
    // window not yet open stands at its design position.
    FormWindow& ToShow(Form form);

    // The first form, in the order of the descriptions, with neither an open window nor one built
    // ahead.
    std::optional<Form> Unprepared() const;
    // Builds the form's window ahead, doing what showing it would do; the first of each form is also
    // painted off screen, so that its glyphs and button faces are in the caches.
    void Prepare(Form form);

private:
    struct Slot {
        QPointer<FormWindow> open;
        QPointer<FormWindow> ahead;  // built and hidden, not yet open
        bool paintedOffScreen = false;
    };

    const FormLayout& Layout(Form form) const;
    Slot& SlotOf(Form form) { return slots_[static_cast<std::size_t>(form)]; }
    const Slot& SlotOf(Form form) const { return slots_[static_cast<std::size_t>(form)]; }
    FormWindow* Build(Form form);

    std::span<const FormLayout> forms_;
    std::function<void(FormWindow&)> wire_;
    std::array<Slot, 3> slots_;
};

}  // namespace drillwin
