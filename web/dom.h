#pragma once
// The page, reached from C++ through emscripten::val: elements made and changed, texts passed in
// and out, and the page's events delivered to C++ callbacks.

#include <emscripten/val.h>

#include <functional>
#include <string>
#include <string_view>

namespace drillweb {

using emscripten::val;

val Document();
// A new element of the tag, appended to the parent.
val Append(val parent, const char* tag);
// The engine's UTF-16 texts cross to the page and back code unit for code unit: whatever a text
// box held (lone surrogates included) comes back unchanged. Every text that is not ASCII crosses so:
// a char string reaches the page byte for byte, as Latin-1.
val Js(std::u16string_view text);
std::u16string FromJs(const val& text);
// "0.5625", "12": up to four decimals.
std::string Decimal(double value);
// "12px".
std::string Px(double pixels);

// Calls back with the event each time it fires on the target, for as long as the listener lives.
class Listener {
public:
    // capture: the target sees the event before the element it is meant for.
    Listener(val target, const char* event, std::function<void(val)> callback, bool capture = false);
    ~Listener();
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;

private:
    val target_;
    std::string event_;
    val function_;
    bool capture_;
    int id_;
};

}  // namespace drillweb
