#include "drill_session.h"
#include "gondila.h"

namespace gondila {

const drillwin::ProgramDescription& Program() {
    static const drillwin::ProgramDescription program{
        Forms, [](drill::Platform& platform) { return std::make_unique<drill::DrillSession>(Profile, platform); }};
    return program;
}

}  // namespace gondila
