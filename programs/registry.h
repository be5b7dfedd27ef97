#pragma once
// Every program of the build by the word that names its folder, in the order of the list of
// programs (programs/programs.cmake), for the front ends, tools and checks that take them all.

#include <span>
#include <string_view>

#include "ui/program.h"

namespace programs {

struct Registered {
    std::string_view name;
    const drillui::ProgramDescription& (*program)();
};

std::span<const Registered> All();

}  // namespace programs
