// Mirskav's bank and tally, driven through the drill session on a recording platform.

#include <gtest/gtest.h>

#include "engine/drill_session.h"
#include "programs/mirskav/bank.h"
#include "tests/support/recording_platform.h"
#include "tests/support/tallied_program_suite.h"

namespace mirskav {
namespace {

using drill::Control;
using drill::DrillSession;
using drill::testing::RecordingPlatform;
using drill::testing::ResultLog;
using drill::testing::TalliedProgram;
using drill::testing::TalliedProgramTest;
using drill::testing::Utf8;
using Log = std::vector<std::string>;

INSTANTIATE_TEST_SUITE_P(Mirskav, TalliedProgramTest,
                         ::testing::Values(TalliedProgram{
                             .name = "Mirskav",
                             .profile = &Profile,
                             .categorySizes = {3, 7, 8},
                             .rangeEdges = {{1, 1}, {3, 1}, {4, 2}, {10, 2}, {11, 3}, {18, 3}},
                             .yoInGap = {},
                             .phrases = true,
                         }),
                         [](const auto&) { return std::string("Mirskav"); });

struct Round {
    RecordingPlatform platform;
    DrillSession session{Profile, platform};

    void StartWith(std::vector<int> order) {
        platform.ScriptOrder(order, 18);
        session.StartRound();
        platform.TakeLog();
    }
    Log Press(Control button) {
        platform.TakeLog();
        session.Press(button);
        return platform.TakeLog();
    }
};

const std::vector<int> kNone(3, 0);

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
    Round round;
    round.StartWith({5});
    EXPECT_EQ(round.Press(Control::Command4),
              (Log{"Label8 = Была ошибка", "Label1 = козочка испугана", "Label5 = 1"}));
    EXPECT_EQ(round.Press(Control::Command3), Log{"Label1 = козочка испугана"});
    EXPECT_EQ(round.Press(Control::Command6), ResultLog(1, {0, 1, 0}, 0, "1", {0, 1, 0}));
}

TEST(Mirskav, SkippingItem11CountsAsUnansweredNotAsAnAdverbError) {
    Round round;
    round.StartWith({11, 12});
    EXPECT_EQ(round.Press(Control::Command5),
              (Log{"Label8 = ", "Label5 = 1", "Label1 = получил неожида_о", "Label7 = 2"}));
    EXPECT_EQ(round.Press(Control::Command6), ResultLog(1, kNone, 1, "2", {0, 0, 2}));
}

TEST(Mirskav, RulesWindowOpensWithoutWritingIntoIt) {
    // Mirskav's rules are labels of the window: the press only shows it.
    Round round;
    EXPECT_EQ(round.Press(Control::Command1), Log{"show Form2"});
    round.StartWith({1});
    round.session.Press(Control::Command4);
    EXPECT_EQ(round.Press(Control::Command1), Log{"show Form2"});
}

}  // namespace
}  // namespace mirskav
