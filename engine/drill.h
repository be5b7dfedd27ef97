#pragma once
// What the main window sees of a drill: each click on a button runs one operation to its end.

#include "engine/platform.h"

namespace drill {

// Shown when the pupil asks for the rules before answering the item on show.
inline constexpr TextView RulesWarning = u"Вначале дайте ответ, затем можете повторить правило.";

class Drill {
public:
    virtual ~Drill() = default;
    // The click handler of a main-window button (Command1 .. Command7). Buttons a program does not
    // have are never pressed; pressing one does nothing.
    virtual void Press(Control button) = 0;
};

}  // namespace drill
