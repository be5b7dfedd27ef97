#include "web/speech.h"

namespace drillweb {

Speech::Speech(val page, std::optional<Control> itemLabel) : region_(Append(page, "div")), itemLabel_(itemLabel) {
    region_["classList"].call<void>("add", val("unseen"));
    region_.call<void>("setAttribute", val("aria-live"), val("polite"));
}

void Speech::PressStarting(const PageWindow& main) { before_ = main.Texts(); }

void Speech::SayChanges(const PageWindow& main) {
    if (!before_) return;
    drillui::Texts now = main.Texts();
    Say(drillui::ChangePhrase(main.Layout(), main.Headings(), *before_, now, itemLabel_));
    before_ = std::move(now);
}

void Speech::PressFinished(const PageWindow& main) {
    SayChanges(main);
    before_.reset();
}

void Speech::ReadWindow(const PageWindow& window) {
    Say(drillui::WindowPhrase(window.Layout(), window.Headings(), window.Texts(), window.PrintedLines()));
}

void Speech::Say(const drillui::Phrase& phrase) {
    if (phrase.empty()) return;
    // A new paragraph each time, so that a phrase said twice running is heard twice; the last few
    // stay, so that phrases said in quick succession each keep their own text until read.
    constexpr int Kept = 3;
    Append(region_, "p").set("textContent", Js(phrase));
    while (region_["childElementCount"].as<int>() > Kept) region_["firstElementChild"].call<void>("remove");
}

}  // namespace drillweb
