#include "drill_session.h"
#include "tavrel.h"

namespace tavrel {

const drillwin::ProgramDescription& Program() {
    static const drillwin::ProgramDescription program{
        Forms, [](drill::Platform& platform) { return std::make_unique<drill::DrillSession>(Profile, platform); }};
    return program;
}

}  // namespace tavrel
