// Gondila's bank, tally and rule text, driven through the drill session on a recording platform.

#include <gtest/gtest.h>

#include "engine/drill_session.h"
#include "programs/gondila/bank.h"
#include "tests/support/case_name.h"
#include "tests/support/expected_texts.h"
#include "tests/support/recording_platform.h"
#include "tests/support/session_round.h"
#include "tests/support/tallied_program_suite.h"

namespace gondila {
namespace {

using drill::Control;
using drill::testing::CaseName;
using drill::testing::Log;
using drill::testing::ResultLog;
using drill::testing::SessionRound;
using drill::testing::TalliedProgram;
using drill::testing::TalliedProgramTest;
using drill::testing::Utf8;

INSTANTIATE_TEST_SUITE_P(Gondila, TalliedProgramTest,
                         ::testing::Values(TalliedProgram{
                             .name = "Gondila",
                             .profile = &Profile,
                             .categorySizes = {10, 5, 3, 8, 5},
                             .rangeEdges = {{1, 1}, {10, 1}, {11, 2}, {15, 2}, {16, 3}, {18, 3}, {19, 4}, {26, 4},
                                            {27, 5}, {31, 5}},
                             .yoInGap = {19, 20, 21, 23, 24, 25, 27, 28, 29, 30, 31},
                             .phrases = false,
                         }),
                         CaseName());

const std::vector<int> NoCounts(5, 0);

TEST(Gondila, TheOptionsAreTheSingleLettersOAndE) {
    // The second button reads "ё (е)" but carries е: no row may expect ё as its answer.
    EXPECT_EQ(Utf8(Profile.FirstOption), "о");
    EXPECT_EQ(Utf8(Profile.SecondOption), "е");
    int oRows = 0;
    for (const drill::DrillItem& row : Profile.Bank.Rows()) oRows += row.CorrectOption == u"о";
    EXPECT_EQ(oRows, 14);
}

struct NamedRow {
    int number;
    const char* prompt;
    const char* option;
    const char* fullText;
};

TEST(Gondila, RowsThatTheRuleTurnsOnReadAsWritten) {
    const NamedRow rows[] = {
        {2, "камеш_к", "е", "камешек"},     // е without stress, not ё
        {21, "ч_рный", "е", "чёрный"},      // ё in the root, answered with е
        {22, "ш_рох", "о", "шорох"},        // an exception of the root rule
        {29, "разожж_т", "е", "разожжёт"},  // a double letter before the gap
    };
    for (const NamedRow& expected : rows) {
        const drill::DrillItem& row = Profile.Bank.Row(expected.number);
        EXPECT_EQ(Utf8(row.Prompt), expected.prompt);
        EXPECT_EQ(Utf8(row.CorrectOption), expected.option);
        EXPECT_EQ(Utf8(row.FullText), expected.fullText);
    }
}

TEST(Gondila, WrongFirstAnswerToItem21CountsInTheRoot) {
    SessionRound round(Profile, {21});
    round.Start();
    EXPECT_EQ(round.platform.TakeLog(), (Log{"reseed", "Label1 = ч_рный", "Label7 = 1"}));
    EXPECT_EQ(round.WrittenBy(Control::Command3), (Log{"Label8 = Была ошибка", "Label1 = чёрный", "Label5 = 1"}));
    EXPECT_EQ(round.WrittenBy(Control::Command4), Log{"Label1 = чёрный"});
    EXPECT_EQ(round.Result(), ResultLog(1, {0, 0, 0, 1, 0}, 0, "1", {0, 0, 0, 1, 0}));
}

TEST(Gondila, RightFirstAnswerToItem21OnlyShowsTheWord) {
    SessionRound round(Profile, {21});
    round.Start();
    EXPECT_EQ(round.WrittenBy(Control::Command4), Log{"Label1 = чёрный"});
    EXPECT_EQ(round.Result(), ResultLog(0, NoCounts, 0, "1", {0, 0, 0, 1, 0}));
}

TEST(Gondila, SkippingItem16CountsAsUnansweredNotAsAnAdverbError) {
    SessionRound round(Profile, {16, 17});
    round.Start();
    EXPECT_EQ(round.WrittenBy(Control::Command5), (Log{"Label8 = ", "Label5 = 1", "Label1 = горяч_", "Label7 = 2"}));
    EXPECT_EQ(round.WrittenBy(Control::Command6), ResultLog(1, NoCounts, 1, "2", {0, 0, 2, 0, 0}));
}

TEST(Gondila, JustAfterTheStartOnlyTheItemsCategoryIsShown) {
    SessionRound round(Profile, {12});
    round.Start();
    EXPECT_EQ(round.Result(), ResultLog(0, NoCounts, 0, "1", {0, 1, 0, 0, 0}));
}

Log RuleLog() {
    Log log = {"show Form2"};
    for (const drill::RuleLine& line : Profile.RuleLines) {
        log.push_back("plot Form2 " + std::to_string(line.X) + "," + std::to_string(line.Y));
        log.push_back("print Form2 " + Utf8(line.Text));
    }
    return log;
}

TEST(Gondila, RuleLinesAreWrittenAtEveryAllowedPress) {
    SessionRound round(Profile);
    EXPECT_EQ(round.WrittenBy(Control::Command1), RuleLog());   // before the start
    EXPECT_EQ(round.WrittenBy(Control::Command1), RuleLog());   // again, over the same text
    round.Start();
    EXPECT_EQ(round.WrittenBy(Control::Command1), Log{expected::RulesWarningLine(0, "Правописание Gondila")});
    round.Press(Control::Command3);
    EXPECT_EQ(round.WrittenBy(Control::Command1), RuleLog());   // answered
    for (int step = 0; step < 31; ++step) round.Press(Control::Command5);
    ASSERT_GT(round.session.Position(), 31);
    EXPECT_EQ(round.WrittenBy(Control::Command1), RuleLog());   // finished
}

TEST(Gondila, RuleTextNamesTheExceptionsSpeltRight) {
    const auto lines = Profile.RuleLines;
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(Utf8(lines[1].Text), "Исключения: крыжовник, шов, капюшон, шорох, трущоба.");
    for (const drill::RuleLine& line : lines) EXPECT_EQ(Utf8(line.Text).find("капющон"), std::string::npos);
}

TEST(Gondila, RuleLinesStandInTheRulesWindowTopDown) {
    // Numbered lines start at the margin, their continuations are indented; the window is
    // 8955 x 4095 twips.
    int previousY = 0;
    for (const drill::RuleLine& line : Profile.RuleLines) {
        SCOPED_TRACE(Utf8(line.Text));
        const bool numbered = line.Text.size() > 1 && line.Text[1] == u')';
        EXPECT_EQ(line.X, numbered ? 100 : 400);
        EXPECT_GT(line.Y, previousY);
        EXPECT_LT(line.Y, 4095);
        previousY = line.Y;
    }
}

}  // namespace
}  // namespace gondila
