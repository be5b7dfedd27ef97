#include "web/dom.h"

#include <emscripten/bind.h>

#include <cmath>
#include <cstdlib>
#include <map>

namespace drillweb {

namespace {

std::map<int, std::function<void(val)>>& Callbacks() {
    static std::map<int, std::function<void(val)>> callbacks;
    return callbacks;
}

// What the page calls for every event a Listener listens to: the page reaches C++ through this one
// bound function, given the listener's number first.
void Dispatch(int id, val event) {
    const auto found = Callbacks().find(id);
    // A copy: the callback may drop its own listener (a window closing itself).
    if (found != Callbacks().end()) std::function<void(val)>(found->second)(event);
}

}  // namespace

EMSCRIPTEN_BINDINGS(drillweb_dom) { emscripten::function("drillwebDispatch", &Dispatch); }

val Document() { return val::global("document"); }

val Append(val parent, const char* tag) {
    val element = Document().call<val>("createElement", val(tag));
    parent.call<void>("append", element);
    return element;
}

val Js(std::u16string_view text) { return val(std::u16string(text)); }

std::u16string FromJs(const val& text) { return text.as<std::u16string>(); }

std::string Decimal(double value) {
    // Without the C library's formatting, which would double the size of the page's code.
    constexpr long Places = 10000;
    const long scaled = std::lround(value * Places);
    std::string text = (scaled < 0 ? "-" : "") + std::to_string(std::labs(scaled) / Places);
    long rest = std::labs(scaled) % Places;
    if (rest == 0) return text;
    text += '.';
    for (long place = Places / 10; rest != 0; place /= 10) {
        text += static_cast<char>('0' + rest / place);
        rest %= place;
    }
    return text;
}

std::string Px(double pixels) { return Decimal(pixels) + "px"; }

Listener::Listener(val target, const char* event, std::function<void(val)> callback, bool capture)
    : target_(std::move(target)), event_(event), function_(val::undefined()), capture_(capture) {
    static int last = 0;
    id_ = ++last;
    Callbacks().emplace(id_, std::move(callback));
    // A bound function, not one made from source text: the pages allow no eval.
    function_ = val::module_property("drillwebDispatch").call<val>("bind", val::null(), id_);
    target_.call<void>("addEventListener", val(event_), function_, val(capture_));
}

Listener::~Listener() {
    target_.call<void>("removeEventListener", val(event_), function_, val(capture_));
    Callbacks().erase(id_);
}

}  // namespace drillweb
