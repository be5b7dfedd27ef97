#include "programs/tavrel/tavrel.h"

namespace tavrel {

const drillwin::ProgramDescription& Program() {
    static const drillwin::ProgramDescription program = drillwin::ChoiceDrillProgram(Forms, Profile);
    return program;
}

}  // namespace tavrel
