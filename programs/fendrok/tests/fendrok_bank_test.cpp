// The Fendrok bank and profile, driven through the real drill session on a recording platform.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "engine/drill_session.h"
#include "programs/fendrok/fendrok.h"
#include "tests/support/case_name.h"
#include "tests/support/expected_texts.h"
#include "tests/support/recording_platform.h"
#include "tests/support/session_round.h"
#include "tests/support/transition_table.h"

namespace fendrok {
namespace {

using drill::Control;
using drill::DrillItem;
using drill::DrillSession;
using drill::Text;
using drill::TextView;
using drill::testing::CaseName;
using drill::testing::Log;
using drill::testing::RecordingPlatform;
using drill::testing::SessionRound;
using drill::testing::Utf8;

constexpr int N = 20;
const std::string Title = "Правописание Fendrok на -о и -е";
const std::string WarningLine = expected::RulesWarningLine(48, Title);
const std::string EndLine = "message 64 [" + Title + "] Опрос окончен.";

std::span<const DrillItem> Rows() { return Profile.Bank.Rows(); }

bool IsLowerCyrillic(char16_t c) { return (c >= u'а' && c <= u'я') || c == u'ё'; }

// The prompt as the pupil would fill it in: without the leading blank, the option in the gap.
Text Filled(TextView prompt, TextView option) {
    Text filled(prompt.starts_with(u' ') ? prompt.substr(1) : prompt);
    const auto gap = filled.find(u'_');
    if (gap != Text::npos) filled.replace(gap, 1, option);
    return filled;
}

TEST(FendrokBank, HasTwentyRowsNumberedInOrder) {
    ASSERT_EQ(Profile.Bank.Size(), N);
    for (int k = 1; k <= N; ++k) {
        EXPECT_EQ(Profile.Bank.Row(k).Number, k);
    }
}

TEST(FendrokBank, EveryRowIsWellFormed) {
    for (const DrillItem& row : Rows()) {
        SCOPED_TRACE("row " + std::to_string(row.Number) + " " + Utf8(row.Prompt));
        EXPECT_EQ(std::count(row.Prompt.begin(), row.Prompt.end(), u'_'), 1);
        // Only rows 1 and 2 start at the word; the others carry exactly one blank before it.
        const std::size_t blanks = row.Prompt.find_first_not_of(u' ');
        EXPECT_EQ(blanks, row.Number <= 2 ? 0u : 1u);
        EXPECT_EQ(row.Prompt.find(u' ', blanks), TextView::npos) << "a blank inside the prompt";
        EXPECT_TRUE(row.CorrectOption == Profile.FirstOption || row.CorrectOption == Profile.SecondOption);
        EXPECT_EQ(Text(row.FullText), Filled(row.Prompt, row.CorrectOption));
        // Latin look-alikes (o, e, a) or a stray blank would show and compare wrongly.
        EXPECT_TRUE(std::all_of(row.FullText.begin(), row.FullText.end(), IsLowerCyrillic)) << Utf8(row.FullText);
        EXPECT_TRUE(row.FullText.ends_with(u'о'));
    }
}

TEST(FendrokBank, OneNRowsAndTheRestDouble) {
    std::vector<int> single;
    for (const DrillItem& row : Rows()) {
        if (row.CorrectOption == u"н") single.push_back(row.Number);
    }
    EXPECT_EQ(single, (std::vector<int>{1, 3, 6, 8, 10, 13, 18, 20}));
}

TEST(FendrokBank, OnlyRowNineIsWrittenWithYo) {
    for (const DrillItem& row : Rows()) {
        const bool hasYo = row.FullText.find(u'ё') != TextView::npos;
        EXPECT_EQ(hasYo, row.Number == 9) << Utf8(row.FullText);
        EXPECT_EQ(row.Prompt.find(u'ё') != TextView::npos, row.Number == 9) << Utf8(row.Prompt);
    }
    EXPECT_EQ(Utf8(Profile.Bank.Row(9).FullText), "удивлённо");
}

TEST(FendrokBank, RowsNamedInTheRules) {
    struct Row {
        int number;
        std::string prompt, option, fullText;
    };
    for (const Row& expected : {Row{1, "радост_о", "н", "радостно"}, Row{2, "тума_о", "нн", "туманно"},
                                Row{3, " ритмич_о", "н", "ритмично"}, Row{4, " мысле_о", "нн", "мысленно"},
                                Row{20, " бесслед_о", "н", "бесследно"}}) {
        const DrillItem& row = Profile.Bank.Row(expected.number);
        EXPECT_EQ(Utf8(row.Prompt), expected.prompt);
        EXPECT_EQ(Utf8(row.CorrectOption), expected.option);
        EXPECT_EQ(Utf8(row.FullText), expected.fullText);
    }
}

// A session on the real profile. The scripted order puts row 4 first and row 1 last.
struct Round : SessionRound {
    Round() : SessionRound(Profile, ScriptedOrder()) {}
    static std::vector<int> ScriptedOrder() {
        std::vector<int> order = {4, 2, 3};
        for (int k = 5; k <= N; ++k) order.push_back(k);
        order.push_back(1);
        return order;
    }
};

enum class Setup { NotStarted, Row4Open, Row4AnsweredWrong, LastItemOpen, Finished };

void Bring(Round& round, Setup setup) {
    if (setup == Setup::NotStarted) return;
    round.Press(Control::Command2);
    if (setup == Setup::Row4AnsweredWrong) round.Press(Control::Command3);
    if (setup == Setup::LastItemOpen || setup == Setup::Finished) {
        for (int position = 1; position < N; ++position) round.Press({Control::Command4, Control::Command5});
    }
    if (setup == Setup::Finished) round.Press(Control::Command5);
    round.platform.TakeLog();
}

using Transition = drill::testing::Transition<Setup>;

class FendrokPress : public ::testing::TestWithParam<Transition> {};

TEST_P(FendrokPress, WritesWhatTheRoundCallsFor) {
    Round round;
    Bring(round, GetParam().state);
    drill::testing::ExpectTransition(round.platform, round.session, GetParam());
}

// Row 4 " мысле_о" takes "нн"; the last row of the scripted order is row 1 "радостно"; on the way
// to it rows 4, 2, 3, 5..20 are answered "нн", wrong for the seven one-н rows among them, so the
// last item opens with 7 errors and a skip of it ends the round with 8.
INSTANTIATE_TEST_SUITE_P(
    Rows4AndLast, FendrokPress,
    ::testing::Values(
        Transition{"BeforeStart_OneN", Setup::NotStarted, Control::Command3, {}, 0, 0, 0},
        Transition{"BeforeStart_TwoN", Setup::NotStarted, Control::Command4, {}, 0, 0, 0},
        Transition{"BeforeStart_Next", Setup::NotStarted, Control::Command5, {}, 0, 0, 0},
        Transition{"BeforeStart_Rule", Setup::NotStarted, Control::Command1, {"show Form2"}, 0, 0, 0},
        Transition{"Start", Setup::NotStarted, Control::Command2, {"reseed", "Label1 =  мысле_о", "Label7 = 1"}, 1, 0, 0},
        Transition{"Row4_Rule", Setup::Row4Open, Control::Command1, {WarningLine}, 1, 0, 0},
        Transition{"Row4_Wrong", Setup::Row4Open, Control::Command3,
                   {"Label8 = Была ошибка", "Label5 = 1", "Label1 = мысленно"}, 1, 1, 1},
        Transition{"Row4_Right", Setup::Row4Open, Control::Command4, {"Label1 = мысленно"}, 1, 1, 0},
        Transition{"Row4_Skipped", Setup::Row4Open, Control::Command5,
                   {"Label8 = ", "Label5 = 1", "Label1 = тума_о", "Label7 = 2"}, 2, 0, 1},
        Transition{"Row4_RightAfterWrong", Setup::Row4AnsweredWrong, Control::Command4, {"Label1 = мысленно"}, 1, 2, 1},
        Transition{"Row4_RuleAfterWrong", Setup::Row4AnsweredWrong, Control::Command1, {"show Form2"}, 1, 1, 1},
        Transition{"Row4_StartAgain", Setup::Row4AnsweredWrong, Control::Command2, {}, 1, 1, 1},
        Transition{"Last_Skipped", Setup::LastItemOpen, Control::Command5, {"Label8 = ", "Label5 = 8", EndLine}, 21, 0, 8},
        Transition{"Last_Wrong", Setup::LastItemOpen, Control::Command4,
                   {"Label8 = Была ошибка", "Label5 = 8", "Label1 = радостно"}, 20, 1, 8},
        Transition{"Finished_Next", Setup::Finished, Control::Command5, {"Label8 = ", EndLine}, 22, 0, 8},
        Transition{"Finished_OneN", Setup::Finished, Control::Command3, {"Label1 = радостно"}, 21, 0, 8},
        Transition{"Finished_TwoN", Setup::Finished, Control::Command4, {"Label1 = радостно"}, 21, 0, 8},
        Transition{"Finished_Rule", Setup::Finished, Control::Command1, {"show Form2"}, 21, 0, 8},
        Transition{"Finished_Start", Setup::Finished, Control::Command2, {}, 21, 0, 8}),
    CaseName());

TEST(FendrokRound, FinishedKeepsTheLastNumberAndText) {
    Round round;
    Bring(round, Setup::Finished);
    EXPECT_EQ(round.platform.Caption(Control::Label7), "20");
    EXPECT_EQ(round.platform.Caption(Control::Label1), "радост_о");
    EXPECT_EQ(round.platform.Caption(Control::Label5), "8");
}

enum class Answer { Right, Wrong, WrongThenRight, RightThenWrong, Skip };

struct Strategy {
    const char* name;
    std::function<Answer(int position)> answer;
    int errors;
};

void PrintTo(const Strategy& strategy, std::ostream* out) { *out << strategy.name; }

class FendrokWholeRound : public ::testing::TestWithParam<Strategy> {};

// The pupil reads the prompt in Label1 and looks the row up by it; the order is a real draw.
TEST_P(FendrokWholeRound, ShowsEveryRowOnceAndCountsEachError) {
    const Strategy& strategy = GetParam();
    std::map<std::string, const DrillItem*> byPrompt;
    for (const DrillItem& row : Rows()) byPrompt[Utf8(row.Prompt)] = &row;
    ASSERT_EQ(byPrompt.size(), static_cast<std::size_t>(N));

    RecordingPlatform platform;
    DrillSession session(Profile, platform);
    session.Press(Control::Command2);
    std::set<int> shown;
    for (int position = 1; position <= N; ++position) {
        ASSERT_EQ(platform.Caption(Control::Label7), std::to_string(position));
        const auto found = byPrompt.find(platform.Caption(Control::Label1));
        ASSERT_NE(found, byPrompt.end()) << platform.Caption(Control::Label1);
        const DrillItem& row = *found->second;
        shown.insert(row.Number);
        const Control right = row.CorrectOption == Profile.FirstOption ? Control::Command3 : Control::Command4;
        const Control wrong = right == Control::Command3 ? Control::Command4 : Control::Command3;
        switch (strategy.answer(position)) {
            case Answer::Right: session.Press(right); break;
            case Answer::Wrong: session.Press(wrong); break;
            case Answer::WrongThenRight: session.Press(wrong); session.Press(right); break;
            case Answer::RightThenWrong: session.Press(right); session.Press(wrong); break;
            case Answer::Skip: break;
        }
        if (strategy.answer(position) != Answer::Skip) {
            EXPECT_EQ(platform.Caption(Control::Label1), Utf8(row.FullText));
        }
        session.Press(Control::Command5);
    }
    EXPECT_EQ(shown.size(), static_cast<std::size_t>(N));
    EXPECT_EQ(session.ErrorCount(), strategy.errors);
    EXPECT_EQ(platform.Caption(Control::Label5), strategy.errors == 0 ? "" : std::to_string(strategy.errors));
    EXPECT_EQ(platform.Caption(Control::Label7), "20");
    EXPECT_EQ(platform.Messages(), Log{EndLine});
    if (strategy.errors == 0) {
        for (const std::string& line : platform.log) EXPECT_FALSE(line.starts_with("Label5")) << line;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Strategies, FendrokWholeRound,
    ::testing::Values(Strategy{"AllRight", [](int) { return Answer::Right; }, 0},
                      Strategy{"AllRightThenWrong", [](int) { return Answer::RightThenWrong; }, 0},
                      Strategy{"AllWrong", [](int) { return Answer::Wrong; }, N},
                      Strategy{"AllWrongThenRight", [](int) { return Answer::WrongThenRight; }, N},
                      Strategy{"AllSkipped", [](int) { return Answer::Skip; }, N},
                      Strategy{"OddWrongEvenSkipped",
                               [](int position) { return position % 2 == 1 ? Answer::Wrong : Answer::Skip; }, N},
                      Strategy{"ThreeWrongRestRight",
                               [](int position) { return position <= 3 ? Answer::Wrong : Answer::Right; }, 3},
                      Strategy{"LastSkippedRestRight",
                               [](int position) { return position == N ? Answer::Skip : Answer::Right; }, 1}),
    CaseName());

}  // namespace
}  // namespace fendrok
