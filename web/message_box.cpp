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
      message_(Child(dialog_, "div", "message")),
      warning_(Child(message_, "img", "icon")),
      information_(Child(message_, "img", "icon")),
      text_(Append(message_, "p")),
      ok_(Append(Child(dialog_, "div", "buttons"), "button")),
      closed_(std::move(closed)),
      // Closed by "OK" at once: the dialog's close event comes a task later, and a stale one must
      // not close a box opened since.
      okPressed_(ok_, "click", [this](val) { Closed(); }),
      // A click on the windows behind lands on the box's backdrop: it must not take the keyboard
      // from the box, which Enter then closes.
      backdropPressed_(dialog_, "mousedown", [this](val event) {
          if (event["target"].strictlyEquals(dialog_)) event.call<void>("preventDefault");
      }),
      // Escape closes the dialog as "OK" does.
      dialogClosed_(dialog_, "close", [this](val) {
          if (!dialog_["open"].as<bool>()) Closed();
      }) {
    // Read as an alert when it opens: its title, then its text.
    dialog_.call<void>("setAttribute", val("role"), val("alertdialog"));
    title_.set("id", "message-title");
    text_.set("id", "message-text");
    dialog_.call<void>("setAttribute", val("aria-labelledby"), val("message-title"));
    dialog_.call<void>("setAttribute", val("aria-describedby"), val("message-text"));
    // Both icons from the start, so that each is drawn the moment its box opens.
    warning_.set("src", "drill/warning.svg");
    warning_.set("alt", Js(u"Предупреждение"));
    information_.set("src", "drill/information.svg");
    information_.set("alt", Js(u"Информация"));
    ok_.set("type", "button");
    ok_.set("textContent", "OK");
}

void MessageBox::Open(drill::TextView text, drill::MessageStyle style, drill::TextView title) {
    title_.set("textContent", Js(title));
    text_.set("textContent", Js(text));
    warning_.set("hidden", style != drill::MessageStyle::Warning);
    information_.set("hidden", style != drill::MessageStyle::Information);
    open_ = true;
    dialog_.call<void>("showModal");
    ok_.call<void>("focus");
}

void MessageBox::Closed() {
    if (!open_) return;
    open_ = false;
    if (dialog_["open"].as<bool>()) dialog_.call<void>("close");
    closed_();
}

}  // namespace drillweb
