// Mirskav's bank and tally, driven through the drill session on a recording platform.

#include <gtest/gtest.h>

#include "engine/drill_session.h"
#include "programs/mirskav/bank.h"
#include "tests/support/case_name.h"
#include "tests/support/recording_platform.h"
#include "tests/support/session_round.h"
#include "tests/support/tallied_program_suite.h"

namespace mirskav {
namespace {

using drill::Control;
using drill::testing::CaseName;
using drill::testing::Log;
using drill::testing::ResultLog;
using drill::testing::SessionRound;
using drill::testing::TalliedProgram;
using drill::testing::TalliedProgramTest;
using drill::testing::Utf8;

INSTANTIATE_TEST_SUITE_P(Mirskav, TalliedProgramTest,
                         ::testing::Values(TalliedProgram{
                             .name = "Mirskav",
                             .profile = &Profile,
                             .categorySizes = {3, 7, 8},
                             .rangeEdges = {{1, 1}, {3, 1}, {4, 2}, {10, 2}, {11, 3}, {18, 3}},
                             .yoInGap = {},
                             .phrases = true,
                         }),
                         CaseName());

const std::vector<int> NoCounts(3, 0);

TEST(Mirskav, EveryRowOfACategoryTakesTheSameOption) {
    // Adjectives and adverbs double the н, the participles keep one.
    const char* const options[] = {"нн", "н", "нн"};
    const auto categories = Profile.Categories;
    for (std::size_t k = 0; k < categories.size(); ++k) {
        for (int number = categories[k].FirstNumber; number <= categories[k].LastNumber; ++number) {
            EXPECT_EQ(Utf8(Profile.Bank.Row(number).CorrectOption), options[k]) << "row " << number;
        }
    }
}

struct NamedRow {
    int number;
    const char* prompt;
    const char* fullText;
};

TEST(Mirskav, RowsWithAThirdWordOrAnYoKeepThemInBothTexts) {
    const NamedRow rows[] = {
        {10, "озеро скова_о льдом", "озеро сковано льдом"},
        {16, "говорил раздражё_о", "говорил раздражённо"},
    };
    for (const NamedRow& expected : rows) {
        const drill::DrillItem& row = Profile.Bank.Row(expected.number);
        EXPECT_EQ(Utf8(row.Prompt), expected.prompt);
        EXPECT_EQ(Utf8(row.FullText), expected.fullText);
    }
    // ё stands in row 16 only.
    for (const drill::DrillItem& row : Profile.Bank.Rows()) {
        EXPECT_EQ(row.Prompt.find(u'ё') != drill::TextView::npos, row.Number == 16) << "row " << row.Number;
    }
}

TEST(Mirskav, DoubleNOnItem5IsAParticipleError) {
    SessionRound round(Profile, {5});
    round.Start();
    EXPECT_EQ(round.WrittenBy(Control::Command4),
              (Log{"Label8 = Была ошибка", "Label1 = козочка испугана", "Label5 = 1"}));
    EXPECT_EQ(round.WrittenBy(Control::Command3), Log{"Label1 = козочка испугана"});
    EXPECT_EQ(round.WrittenBy(Control::Command6), ResultLog(1, {0, 1, 0}, 0, "1", {0, 1, 0}));
}

TEST(Mirskav, SkippingItem11CountsAsUnansweredNotAsAnAdverbError) {
    SessionRound round(Profile, {11, 12});
    round.Start();
    EXPECT_EQ(round.WrittenBy(Control::Command5),
              (Log{"Label8 = ", "Label5 = 1", "Label1 = получил неожида_о", "Label7 = 2"}));
    EXPECT_EQ(round.WrittenBy(Control::Command6), ResultLog(1, NoCounts, 1, "2", {0, 0, 2}));
}

TEST(Mirskav, RulesWindowOpensWithoutWritingIntoIt) {
    // Mirskav's rules are labels of the window: the press only shows it.
    SessionRound round(Profile, {1});
    EXPECT_EQ(round.WrittenBy(Control::Command1), Log{"show Form2"});
    round.Start();
    round.Press(Control::Command4);
    EXPECT_EQ(round.WrittenBy(Control::Command1), Log{"show Form2"});
}

}  // namespace
}  // namespace mirskav
