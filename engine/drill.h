#pragma once
// What the main window sees of a drill: each click on a button runs one operation to its end.

#include <cstdint>

#include "engine/platform.h"

namespace drill {

// Shown when the pupil asks for the rules before answering the item on show.
inline constexpr TextView RulesWarning = u"Вначале дайте ответ, затем можете повторить правило.";

// Where a round stands: before "Начало"; an item on show that waits for its answer; an item on show
// that has its answer (the sentence drill: has been checked); after the last item.
enum class DrillState : std::uint8_t { NotStarted, Unanswered, Answered, Finished };

class Drill {
public:
    virtual ~Drill() = default;
    // The click handler of a main-window button (Command1 .. Command7). Buttons a program does not
    // have are never pressed; pressing one does nothing.
    virtual void Press(Control button) = 0;
    // Where the round stands now; asking changes nothing.
    virtual DrillState State() const = 0;
};

}  // namespace drill
