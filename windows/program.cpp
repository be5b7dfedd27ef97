#include "windows/program.h"

#include "engine/drill_session.h"

namespace drillwin {

ProgramDescription ChoiceDrillProgram(std::span<const FormLayout> forms, const drill::DrillProfile& profile) {
    return {forms, [&profile](drill::Platform& platform) {
                return std::make_unique<drill::DrillSession>(profile, platform);
            }};
}

}  // namespace drillwin
