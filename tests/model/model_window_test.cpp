// Every program through its real windows beside the model: real clicks, real message boxes, real
// labels. DRILL_MODEL_WINDOW_SEQUENCES changes how many sequences run.

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

#include "programs_under_test.h"
#include "window_runner.h"

namespace model {
namespace {

std::int64_t Setting(const char* name, std::int64_t fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::strtoll(value, nullptr, 10) : fallback;
}

class EveryProgramWindow : public ::testing::TestWithParam<const ProgramUnderTest*> {};

TEST_P(EveryProgramWindow, AgreesWithTheModelClickByClick) {
    const ProgramUnderTest& program = *GetParam();
    const Runner run = [&program](const Sequence& sequence) { return RunOnWindows(program, sequence); };
    const std::int64_t count = Setting("DRILL_MODEL_WINDOW_SEQUENCES", 300);
    const auto seed = static_cast<std::uint64_t>(Setting("DRILL_MODEL_SEED", 1));
    const RunFigures figures = CheckMany(program.Spec, Reach::Windows, run, seed, count);
    ASSERT_FALSE(figures.Failure) << *figures.Failure << "reproduce: DRILL_MODEL_WINDOW_SEQUENCES=1 DRILL_MODEL_SEED="
                                  << seed + static_cast<std::uint64_t>(figures.Sequences - 1);
    EXPECT_GT(figures.FinishedRounds, count / 10);
    std::cout << program.Spec.Name << " windows: " << figures.Sequences << " sequences, " << figures.Steps
              << " clicks, pastes and closes, " << figures.FinishedRounds << " rounds to the end, no difference\n";
}

INSTANTIATE_TEST_SUITE_P(Programs, EveryProgramWindow, ::testing::ValuesIn([] {
                             std::vector<const ProgramUnderTest*> programs;
                             for (const ProgramUnderTest& program : ProgramsUnderTest()) programs.push_back(&program);
                             return programs;
                         }()),
                         [](const auto& info) { return info.param->Spec.Name; });

}  // namespace
}  // namespace model
