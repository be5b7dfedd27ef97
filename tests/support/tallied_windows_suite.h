#pragma once
// Window checks shared by the drills with a result window (Gondila, Mirskav), run on each program's
// real windows under the offscreen platform.

#include <gtest/gtest.h>

#include "engine/item_bank.h"
#include "windows/program.h"

namespace drillwin::testing {

struct TalliedWindows {
    const char* name;
    const ProgramDescription* program;
    const drill::DrillProfile* profile;
};

void PrintTo(const TalliedWindows& windows, std::ostream* out);

class TalliedWindowsTest : public ::testing::TestWithParam<TalliedWindows> {};

}  // namespace drillwin::testing
