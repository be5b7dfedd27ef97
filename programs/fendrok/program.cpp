#include "programs/fendrok/fendrok.h"

namespace fendrok {

const drillwin::ProgramDescription& Program() {
    static const drillwin::ProgramDescription program = drillwin::ChoiceDrillProgram(Forms, Profile);
    return program;
}

}  // namespace fendrok
