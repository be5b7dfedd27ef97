#include "web/message_box.h"

namespace drillweb {

namespace {

val Child(val parent, const char* tag, const char* className) {
    val element = Append(parent, tag);
    element["classList"].call<void>("add", val(className));
    return element;
}

}  // namespace

MessageBox::MessageBox(val page, std::function<void()> closed)
    : dialog_(Append(page, "dialog")),
      title_(Child(dialog_, "div", "caption")),
      icon_(Child(Child(dialog_, "div", "message"), "img", "icon")),
      text_(Append(icon_["parentNode"], "p")),
      ok_(Append(Child(dialog_, "div", "buttons"), "button")),
      closed_(std::move(closed)),
      okPressed_(ok_, "click", [this](val) { dialog_.call<void>("close"); }),
      // Escape closes the dialog as "OK" does.
      dialogClosed_(dialog_, "close", [this](val) {
          open_ = false;
          closed_();
      }) {
    // Read as an alert when it opens: its title, then its text.
    dialog_.call<void>("setAttribute", val("role"), val("alertdialog"));
    title_.set("id", "message-title");
    text_.set("id", "message-text");
    dialog_.call<void>("setAttribute", val("aria-labelledby"), val("message-title"));
    dialog_.call<void>("setAttribute", val("aria-describedby"), val("message-text"));
    ok_.set("type", "button");
    ok_.set("textContent", "OK");
}

void MessageBox::Open(drill::TextView text, drill::MessageStyle style, drill::TextView title) {
    title_.set("textContent", Js(title));
    text_.set("textContent", Js(text));
    const bool warning = style == drill::MessageStyle::Warning;
    const bool information = style == drill::MessageStyle::Information;
    icon_.set("hidden", !warning && !information);
    if (warning || information) {
        icon_.set("src", warning ? "drill/warning.svg" : "drill/information.svg");
        icon_.set("alt", Js(warning ? u"Предупреждение" : u"Информация"));
    }
    open_ = true;
    dialog_.call<void>("showModal");
    ok_.call<void>("focus");
}

}  // namespace drillweb
