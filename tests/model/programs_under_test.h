#pragma once
// The programs whose drills the model checks, each built the way its main window builds it.

#include <string_view>
#include <vector>

#include "tests/model/engine_runner.h"

namespace model {

const std::vector<ProgramUnderTest>& ProgramsUnderTest();
// Null when there is no program of that name (case-insensitive).
const ProgramUnderTest* FindProgram(std::string_view name);

}  // namespace model
