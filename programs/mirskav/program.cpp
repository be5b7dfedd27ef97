#include "programs/mirskav/mirskav.h"

namespace mirskav {

// "-н-" and "-нн-" are no single letters: the digits 1 and 2 alone answer from the keyboard.
const drillui::ProgramDescription& Program() {
    static const drillui::ProgramDescription program = drillui::ChoiceDrillProgram(Forms, Profile);
    return program;
}

}  // namespace mirskav
