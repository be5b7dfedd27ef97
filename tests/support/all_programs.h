#pragma once
// Every program of the build by its name (the word that names its folder), for the checks and
// tools that run them all; generated from the build's list of programs.

#include <string_view>
#include <vector>

#include "windows/program.h"

namespace drillwin::testing {

struct NamedProgram {
    std::string_view name;
    const ProgramDescription& (*program)();
};

const std::vector<NamedProgram>& AllPrograms();

}  // namespace drillwin::testing
