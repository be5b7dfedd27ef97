#include "drill_session.h"
#include "fendrok.h"

namespace fendrok {

const drillwin::ProgramDescription& Program() {
    static const drillwin::ProgramDescription program{
        Forms, [](drill::Platform& platform) { return std::make_unique<drill::DrillSession>(Profile, platform); }};
    return program;
}

}  // namespace fendrok
