#include "windows/window_set.h"

#include <algorithm>

namespace drillwin {

WindowSet::WindowSet(std::span<const FormLayout> forms, std::function<void(FormWindow&)> wire)
    : forms_(forms), wire_(std::move(wire)) {
    FormWindow* main = Build(drill::MainWindow);
    // Nothing else owns the main window: it lives as long as the program does.
    main->setAttribute(Qt::WA_DeleteOnClose, false);
    SlotOf(drill::MainWindow).open = main;
}

WindowSet::~WindowSet() {
    for (Slot& slot : slots_) {
        delete slot.ahead.data();
        delete slot.open.data();
    }
}

FormWindow* WindowSet::Open(Form form) const { return SlotOf(form).open.data(); }

FormWindow& WindowSet::ToShow(Form form) {
    Slot& slot = SlotOf(form);
    if (!slot.open) {
        slot.open = slot.ahead ? slot.ahead.data() : Build(form);
        slot.ahead = nullptr;
        slot.open->MoveToDesignPosition();
    }
    return *slot.open;
}

std::optional<Form> WindowSet::Unprepared() const {
    const auto unprepared = std::find_if(forms_.begin(), forms_.end(), [this](const FormLayout& layout) {
        return !SlotOf(layout.form).open && !SlotOf(layout.form).ahead;
    });
    if (unprepared == forms_.end()) return std::nullopt;
    return unprepared->form;
}

void WindowSet::Prepare(Form form) {
    Slot& slot = SlotOf(form);
    FormWindow* window = Build(form);
    window->PrepareToShow();
    if (!std::exchange(slot.paintedOffScreen, true)) window->PaintOffScreen();
    slot.ahead = window;
}

const FormLayout& WindowSet::Layout(Form form) const {
    const auto found = std::find_if(forms_.begin(), forms_.end(), [form](const FormLayout& layout) { return layout.form == form; });
    Q_ASSERT_X(found != forms_.end(), "WindowSet", "every window shown has a description");
    return found != forms_.end() ? *found : forms_.front();
}

FormWindow* WindowSet::Build(Form form) {
    auto* window = new FormWindow(Layout(form));
    wire_(*window);
    return window;
}

}  // namespace drillwin
