#include "programs/mirskav/mirskav.h"

namespace mirskav {

// "-н-" and "-нн-" are no single letters: the digits 1 and 2 alone answer from the keyboard.
const drillwin::ProgramDescription& Program() {
    static const drillwin::ProgramDescription program = drillwin::ChoiceDrillProgram(Forms, Profile);
    return program;
}

}  // namespace mirskav
