// Every program through its real windows beside the model: real clicks, real message boxes, real
// labels. DRILL_MODEL_WINDOW_SEQUENCES changes how many sequences run.

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

#include "tests/model/programs_under_test.h"
#include "tests/model/window_runner.h"
#include "windows/program.h"

namespace model {
namespace {

std::int64_t Setting(const char* name, std::int64_t fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::strtoll(value, nullptr, 10) : fallback;
}

class EveryProgramWindow : public ::testing::TestWithParam<std::string> {};

TEST_P(EveryProgramWindow, AgreesWithTheModelClickByClick) {
    const ProgramUnderTest& program = *FindProgram(GetParam());
    const Runner run = [&program](const Sequence& sequence) { return RunOnWindows(program, sequence); };
    const std::int64_t count = Setting("DRILL_MODEL_WINDOW_SEQUENCES", 300);
    const auto seed = static_cast<std::uint64_t>(Setting("DRILL_MODEL_SEED", 1));
    const RunFigures figures = CheckMany(program.Facts, Reach::Windows, run, seed, count);
    ASSERT_FALSE(figures.Failure) << *figures.Failure << "reproduce: DRILL_MODEL_WINDOW_SEQUENCES=1 DRILL_MODEL_SEED="
                                  << seed + static_cast<std::uint64_t>(figures.Sequences - 1);
    EXPECT_GT(figures.FinishedRounds, count / 10);
    std::cout << program.Facts.Name << " windows: " << figures.Sequences << " sequences, " << figures.Steps
              << " clicks, pastes and closes, " << figures.FinishedRounds << " rounds to the end, no difference\n";
}

INSTANTIATE_TEST_SUITE_P(Programs, EveryProgramWindow, ::testing::ValuesIn([] {
                             std::vector<std::string> names;
                             for (const ProgramUnderTest& program : ProgramsUnderTest()) names.push_back(program.Facts.Name);
                             return names;
                         }()),
                         [](const auto& info) { return info.param; });

// The window check must see faults that lie between the drill and the screen. Tavrel's windows
// with one row of the main window's table altered stand in for a wiring fault.
TEST(WindowFaultsAreFound, AndShrunkToAShortSequence) {
    const ProgramUnderTest& tavrel = *FindProgram("Tavrel");
    struct Case {
        const char* name;
        std::function<void(drillui::ControlRow&)> alter;
        std::size_t longestShrunk;
    };
    const Case cases[] = {
        // The error count lands in no label.
        {"error count label renamed", [](drillui::ControlRow& row) { if (row.name == Control::Label5) row.name = Control::Label9; }, 3},
        // The two answer buttons send each other's click.
        {"answer buttons crossed",
         [](drillui::ControlRow& row) {
             if (row.name == Control::Command3) row.name = Control::Command4;
             else if (row.name == Control::Command4) row.name = Control::Command3;
         },
         2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<drillui::FormLayout> forms(tavrel.Windows->forms.begin(), tavrel.Windows->forms.end());
        std::vector<drillui::ControlRow> rows(forms[0].controls.begin(), forms[0].controls.end());
        for (drillui::ControlRow& row : rows) c.alter(row);
        forms[0].controls = rows;
        const drillui::ProgramDescription altered{forms, tavrel.Windows->makeDrill};
        const ProgramUnderTest program{tavrel.Facts, tavrel.MakeDrill, &altered};
        const Runner run = [&program](const Sequence& sequence) { return RunOnWindows(program, sequence); };
        const RunFigures figures = CheckMany(program.Facts, Reach::Windows, run, 1, 50);
        ASSERT_TRUE(figures.Failure);
        const std::string tooLong = "  " + std::to_string(c.longestShrunk + 1) + ". ";
        EXPECT_EQ(figures.Failure->find(tooLong), std::string::npos) << *figures.Failure;
    }
}

}  // namespace
}  // namespace model
