#include "web/program_page.h"

#include <algorithm>

#include "engine/controls.h"
#include "ui/keys.h"
#include "ui/units.h"

namespace drillweb {

namespace {

using drillui::KeyPress;

// The desk's padding and the windows' frames, around the main window, in CSS pixels.
constexpr int DeskMargin = 2 * (8 + 1);

KeyPress ToKeyPress(const val& event) {
    const std::u16string key = FromJs(event["key"]);
    KeyPress press;
    if (key == u"Enter") {
        press.name = KeyPress::Name::Enter;
    } else if (key == u"F1") {
        press.name = KeyPress::Name::F1;
    } else if (key == u"Escape") {
        press.name = KeyPress::Name::Escape;
    } else if (key.size() == 1) {
        // The key's value is what the active layout made of it: the keypad's digits are digits too.
        press.name = KeyPress::Name::Character;
        press.character = key[0];
        if (key[0] >= u'0' && key[0] <= u'9') press.digit = key[0] - u'0';
    }
    press.ctrl = event["ctrlKey"].as<bool>();
    press.alt = event["altKey"].as<bool>();
    press.meta = event["metaKey"].as<bool>();
    press.shift = event["shiftKey"].as<bool>();
    press.repeat = event["repeat"].as<bool>();
    return press;
}

std::string DescriptionId(Control control) { return "keys-" + std::string(drill::ControlName(control)); }

void DescribeBy(val element, val descriptions, const std::string& id, std::u16string_view text) {
    val description = Append(descriptions, "span");
    description.set("id", id);
    description.set("textContent", Js(text));
    element.call<void>("setAttribute", val("aria-describedby"), val(id));
}

}  // namespace

ProgramPage::ProgramPage(const drillui::ProgramDescription& program)
    : program_(program),
      drill_(program.makeDrill(*this)),
      desk_(Append(Document()["body"], "main")),
      windows_{std::make_unique<PageWindow>(program.forms.front(), desk_)},
      speech_(desk_, program.itemLabel),
      box_(desk_, [this] { BoxClosed(); }),
      clicks_(desk_, "click", [this](val event) { Clicked(event); }),
      // Before the control with the focus, as the desktop's key filter: a key an answer takes never
      // reaches the button or text box it was meant for.
      keys_(Document(), "keydown", [this](val event) { KeyDown(event); }, true),
      focus_(desk_, "focusin", [this](val event) {
          if (Main().Frame().call<bool>("contains", event["target"])) lastFocusedInMain_ = event["target"];
      }),
      resize_(val::global("window"), "resize", [this](val) { FitToViewport(); }) {
    desk_["classList"].call<void>("add", val("desk"));
    Document().set("title", Js(program.forms.front().caption));
    // The page's heading, for a screen reader: the main window's caption, which its frame would show.
    val heading = Document().call<val>("createElement", val("h1"));
    heading.set("textContent", Js(program.forms.front().caption));
    heading["classList"].call<void>("add", val("unseen"));
    desk_.call<void>("prepend", heading);
    Describe();
    FitToViewport();
    // The first control of the focus order has the focus when the window opens: the rules button.
    Main().Inner()["firstElementChild"].call<void>("focus");
}

ProgramPage::~ProgramPage() = default;

void ProgramPage::Describe() {
    val descriptions = Append(desk_, "div");
    descriptions.set("hidden", true);
    descriptions.set("id", "descriptions");
    for (const drillui::SpokenControl& spoken : drillui::SpokenKeys(program_.keys, program_.forms.front())) {
        val element = Main().ControlElement(spoken.control);
        if (element.isUndefined()) continue;
        if (!spoken.name.empty()) element.call<void>("setAttribute", val("aria-label"), Js(spoken.name));
        // A later description of the same control replaces an earlier one.
        val earlier = Document().call<val>("getElementById", val(DescriptionId(spoken.control)));
        if (!earlier.isNull()) earlier.call<void>("remove");
        DescribeBy(element, descriptions, DescriptionId(spoken.control), spoken.description);
    }
    val window = Append(descriptions, "span");
    window.set("id", "keys-window");
    window.set("textContent", Js(drillui::SecondaryWindowKeys));
}

void ProgramPage::InTurn(std::function<void()> step) {
    if (box_.IsOpen() || !waiting_.empty()) {
        waiting_.push_back(std::move(step));
    } else {
        step();
    }
}

void ProgramPage::BoxClosed() {
    while (!waiting_.empty() && !box_.IsOpen()) {
        const std::function<void()> step = std::move(waiting_.front());
        waiting_.pop_front();
        step();
    }
}

void ProgramPage::Press(Control button) {
    // While a box is open nothing behind it is pressed, not even by a script's click().
    if (ended_ || box_.IsOpen()) return;
    speech_.PressStarting(Main());
    drill_->Press(button);
    InTurn([this, button] {
        if (ended_) return;
        // What the press changed is said before the focus moves, so that the verdict comes before
        // the name of the button that takes the focus.
        speech_.PressFinished(Main());
        for (const Form form : std::exchange(toRead_, {})) {
            if (const PageWindow* window = Open(form)) speech_.ReadWindow(*window);
        }
        if (const auto target = drillui::FocusAfterPress(program_.keys, button, drill_->State())) {
            val element = Main().ControlElement(*target);
            // Only when the focus is elsewhere: a screen reader speaks every move.
            if (!element.isUndefined() && !element.strictlyEquals(Document()["activeElement"])) element.call<void>("focus");
        }
    });
}

void ProgramPage::Clicked(val event) {
    val target = event["target"];
    if (Main().Frame().call<bool>("contains", target)) {
        const std::optional<Control> control = Main().ControlOf(target);
        if (control && Main().ControlElement(*control)["tagName"].as<std::string>() == "BUTTON") Press(*control);
        return;
    }
    for (const Form form : {drill::RulesWindow, drill::ResultWindow}) {
        if (const PageWindow* window = Open(form); window && window->IsCloseButton(target)) CloseWindow(form);
    }
}

void ProgramPage::KeyDown(val event) {
    // A message box keeps its own keys.
    if (ended_ || box_.IsOpen()) return;
    const KeyPress key = ToKeyPress(event);
    val target = event["target"];
    for (const Form form : {drill::RulesWindow, drill::ResultWindow}) {
        const PageWindow* window = Open(form);
        if (!window || !window->Frame().call<bool>("contains", target)) continue;
        if (drillui::ClosesWindow(key)) {
            event.call<void>("preventDefault");
            CloseWindow(form);
        }
        return;
    }
    // Anywhere else the keys are the main window's: a page shows nothing but the program.
    const drillui::KeyOutcome outcome = drillui::MainWindowKey(program_.keys, key, Main().ControlOf(target), drill_->State());
    if (outcome.taken) event.call<void>("preventDefault");
    if (outcome.press) Press(*outcome.press);
}

void ProgramPage::CloseWindow(Form form) {
    windows_[static_cast<std::size_t>(form)].reset();
    // The keyboard goes back to the main window, where the pupil was.
    val focus = lastFocusedInMain_;
    if (focus.isUndefined() || !Main().Frame().call<bool>("contains", focus)) focus = Main().Inner()["firstElementChild"];
    focus.call<void>("focus");
}

void ProgramPage::FitToViewport() {
    val window = val::global("window");
    const drillui::FormLayout& main = Main().Layout();
    const double width = window["innerWidth"].as<double>() - DeskMargin;
    const double height = window["innerHeight"].as<double>() - DeskMargin;
    scale_ = std::min({1.0, width / drillui::Pixels(main.width), height / drillui::Pixels(main.height)});
    for (const auto& open : windows_) {
        if (open) open->Scale(scale_);
    }
}

void ProgramPage::SetCaption(Form form, Control label, drill::TextView text) {
    InTurn([this, form, label, text = drill::Text(text)] {
        if (PageWindow* window = Open(form)) window->SetCaption(label, text);
    });
}

drill::Text ProgramPage::GetText(Control textBox) {
    if (textToShow_) return *textToShow_;
    val box = Main().ControlElement(textBox);
    return box.isUndefined() ? drill::Text() : FromJs(box["value"]);
}

void ProgramPage::SetText(Control textBox, drill::TextView text) {
    if (box_.IsOpen() || !waiting_.empty()) textToShow_ = drill::Text(text);
    InTurn([this, textBox, text = drill::Text(text)] {
        textToShow_.reset();
        if (val box = Main().ControlElement(textBox); !box.isUndefined()) box.set("value", Js(text));
    });
}

void ProgramPage::ShowMessage(drill::TextView text, drill::MessageStyle style, drill::TextView title) {
    InTurn([this, text = drill::Text(text), style, title = drill::Text(title)] {
        // What the press changed is said before the box takes the reader's attention.
        speech_.SayChanges(Main());
        box_.Open(text, style, title);
    });
}

void ProgramPage::ShowWindow(Form form) {
    InTurn([this, form] {
        auto& slot = windows_[static_cast<std::size_t>(form)];
        if (!slot) {
            const auto layout = std::find_if(program_.forms.begin(), program_.forms.end(),
                                             [form](const drillui::FormLayout& one) { return one.form == form; });
            if (layout == program_.forms.end()) return;
            slot = std::make_unique<PageWindow>(*layout, desk_);
            slot->Inner().call<void>("setAttribute", val("aria-describedby"), val("keys-window"));
            slot->Inner().set("tabIndex", -1);
            slot->Scale(scale_);
        }
        // To the front: in view, with the keyboard.
        val nearest = val::object();
        nearest.set("block", "nearest");
        slot->Frame().call<void>("scrollIntoView", nearest);
        slot->Inner().call<void>("focus", val::object());
        if (std::find(toRead_.begin(), toRead_.end(), form) == toRead_.end()) toRead_.push_back(form);
    });
}

void ProgramPage::PlotPoint(Form form, int x, int y) {
    InTurn([this, form, x, y] {
        if (PageWindow* window = Open(form)) window->PlotPoint(x, y);
    });
}

void ProgramPage::PrintLine(Form form, drill::TextView text) {
    InTurn([this, form, text = drill::Text(text)] {
        if (PageWindow* window = Open(form)) window->PrintLine(text);
    });
}

void ProgramPage::ReseedRandom() { random_.Reseed(); }

float ProgramPage::NextRandom() { return random_.Next(); }

void ProgramPage::EndProgram() {
    // The program ends at once: no click after this one is handled. A page ends by leaving: back to
    // the list of the programs.
    ended_ = true;
    val::global("location").call<void>("assign", val("index.html"));
}

void RunProgram(const drillui::ProgramDescription& program) {
    // The page lives as long as the browser shows it.
    static ProgramPage* const page = new ProgramPage(program);
    (void)page;
}

}  // namespace drillweb
