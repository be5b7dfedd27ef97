#pragma once
// The program's message box: a modal dialog with the program's title, the warning or information
// icon where the style has one, the text and one "OK" button. While it is open the windows behind
// take no click or key; Enter (on "OK") or Escape closes it.

#include <functional>

#include "engine/platform.h"
#include "web/dom.h"

namespace drillweb {

class MessageBox {
public:
    // closed is called each time the pupil has closed the box.
    MessageBox(val page, std::function<void()> closed);
    MessageBox(const MessageBox&) = delete;
    MessageBox& operator=(const MessageBox&) = delete;

    void Open(drill::TextView text, drill::MessageStyle style, drill::TextView title);
    bool IsOpen() const { return open_; }

private:
    void Closed();

    val dialog_;
    val title_;
    val message_;
    val warning_;
    val information_;
    val text_;
    val ok_;
    bool open_ = false;
    std::function<void()> closed_;
    Listener okPressed_;
    Listener backdropPressed_;
    Listener dialogClosed_;
};

}  // namespace drillweb
