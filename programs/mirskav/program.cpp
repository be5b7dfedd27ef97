#include "programs/mirskav/mirskav.h"

namespace mirskav {

const drillwin::ProgramDescription& Program() {
    static const drillwin::ProgramDescription program = drillwin::ChoiceDrillProgram(Forms, Profile);
    return program;
}

}  // namespace mirskav
