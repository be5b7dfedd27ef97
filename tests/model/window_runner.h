#pragma once
// The whole program through its real windows on the offscreen platform, beside the model: every step
// is a real click on the button (or a paste into the text box, or a window's close box), and after it
// every label of every open window, the text box, the message boxes that opened and which windows
// stand open are compared with the model. The drill's platform calls pass through a recorder on
// their way to the windows, so the order of the operations is compared too, and the recorder plays
// the sequence's random values instead of the clock's.

#include "tests/model/engine_runner.h"

namespace model {

Outcome RunOnWindows(const ProgramUnderTest& program, const Sequence& sequence);

}  // namespace model
