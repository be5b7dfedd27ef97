#pragma once
// One whole round of a program played by mouse clicks, with the time each press takes to answer.

#include <cstdint>
#include <vector>

#include "engine/platform.h"

namespace drillwin {
class ProgramWindows;
}

namespace bench {

struct Press {
    drill::Control button;
    // From the click until the labels it changed and every window it opened have been painted; a
    // message box is closed as soon as it is on screen, so its time includes closing it.
    std::int64_t nanoseconds;
    // The processor time the whole process spent meanwhile.
    std::int64_t processorNanoseconds;
};

struct Round {
    std::vector<Press> presses;
    // What the program does while idle after the main window's first frame (ProgramWindows::Prepared):
    // from the start of that frame's painting until it is done, and the processor time meanwhile.
    std::int64_t preparedNanoseconds;
    std::int64_t preparedProcessorNanoseconds;
};

// Shows the main window and clicks every button it has: the rules before the start, "Начало", then
// for each item the rules (refused while the item waits), both answers, the rules (allowed), the
// result where there is one, and the next item, until the end message; then "Начало", the result
// and the exit once more. Each message box is closed with its OK button as soon as it is on screen.
// Before each press the probe waits, as a pupil does, until the program has done what it does while
// idle.
Round PlayRound(drillwin::ProgramWindows& windows);

}  // namespace bench
