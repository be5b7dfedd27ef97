#include "programs/gondila/gondila.h"

namespace gondila {

const drillwin::ProgramDescription& Program() {
    static const drillwin::ProgramDescription program = drillwin::ChoiceDrillProgram(Forms, Profile);
    return program;
}

}  // namespace gondila
