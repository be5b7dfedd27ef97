#pragma once
// The drill itself, on the recording platform, beside the model.

#include <functional>
#include <memory>

#include "drill.h"
#include "sequences.h"

namespace drillwin {
struct ProgramDescription;
}

namespace model {

struct ProgramUnderTest {
    ProgramSpec Spec;  // what the program must do
    // Builds the program's drill on a platform, as its main window does.
    std::function<std::unique_ptr<drill::Drill>(drill::Platform&)> MakeDrill;
    // The program's windows; null for the banks that only the engine checks use.
    const drillwin::ProgramDescription* Windows = nullptr;
};

// After every step: the platform operations of the press, every label and the text box, the
// random values used, the drill's counters against the model's, and the invariants of the counts.
Outcome RunOnDrill(const ProgramUnderTest& program, const Sequence& sequence);

}  // namespace model
