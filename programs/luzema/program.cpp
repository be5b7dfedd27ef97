#include "engine/comma_drill.h"
#include "programs/luzema/luzema.h"

namespace luzema {

const drillwin::ProgramDescription& Program() {
    static const drillwin::ProgramDescription program{
        Forms, [](drill::Platform& platform) { return std::make_unique<drill::CommaDrill>(Bank(), MessageTitle, platform); }};
    return program;
}

}  // namespace luzema
