#pragma once
// Checks shared by the drills with a result summary (Gondila, Mirskav), run against each program's
// real profile. A program's test instantiates the suite with what it states about its own bank.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/item_bank.h"

namespace drill::testing {

struct TalliedProgram {
    const char* name;
    const DrillProfile* profile;
    std::vector<int> categorySizes;
    // Numbers on both sides of every category boundary, each with its category.
    std::vector<std::pair<int, int>> rangeEdges;
    // Rows answered with е whose full text writes ё in the gap.
    std::set<int> yoInGap;
    // Phrases of words with single inner blanks; otherwise every text is one word.
    bool phrases = false;
};

void PrintTo(const TalliedProgram& program, std::ostream* out);

class TalliedProgramTest : public ::testing::TestWithParam<TalliedProgram> {};

// The end message of both programs, as the recording platform logs it.
std::string EndMessageLine(const DrillProfile& profile);
std::string RulesWarningLine(const DrillProfile& profile);

}  // namespace drill::testing
