#pragma once
// The drill itself, on the recording platform, beside the model.

#include <functional>
#include <memory>
#include <string>

#include "engine/drill.h"
#include "tests/model/sequences.h"

namespace drillui {
struct ProgramDescription;
}

namespace drill::testing {
class RecordingPlatform;
}

namespace model {

struct ProgramUnderTest {
    ProgramFacts Facts;  // what the program must do
    // Builds the program's drill on a platform, as its main window does.
    std::function<std::unique_ptr<drill::Drill>(drill::Platform&)> MakeDrill;
    // The program's windows; null for the banks that only the engine checks use.
    const drillui::ProgramDescription* Windows = nullptr;
};

// After every step: the platform operations of the press, every label and the text box, the
// random values used, the drill's counters against the model's, and the invariants of the counts.
Outcome RunOnDrill(const ProgramUnderTest& program, const Sequence& sequence);

// What the windows show, the random values used and the drill's counters against the model, with
// the invariants of the counts; empty when all agree.
std::string StateDifference(const Model& model, const drill::testing::RecordingPlatform& platform, const drill::Drill& drill);

}  // namespace model
