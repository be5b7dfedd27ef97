#include "drill_session.h"
#include "mirskav.h"

namespace mirskav {

const drillwin::ProgramDescription& Program() {
    static const drillwin::ProgramDescription program{
        Forms, [](drill::Platform& platform) { return std::make_unique<drill::DrillSession>(Profile, platform); }};
    return program;
}

}  // namespace mirskav
