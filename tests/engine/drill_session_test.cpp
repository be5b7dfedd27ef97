#include "engine/drill_session.h"
#include "tests/support/expected_texts.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "tests/support/recording_platform.h"
#include "tests/support/session_round.h"
#include "tests/support/transition_table.h"

namespace drill {
namespace {

using testing::CaseName;
using testing::Log;
using testing::RecordingPlatform;
using testing::SessionRound;
using testing::Utf8;

constexpr DrillItem Rows[] = {
    {1, u"пр_помнить", u"и", u"припомнить"},
    {2, u" пр_рвать", u"е", u"прервать"},
    {3, u" пр_творить (дверь)", u"и", u"притворить (дверь)"},
};

constexpr DrillProfile Profile{
    .Bank = ItemBank(Rows),
    .FirstOption = u"е",
    .SecondOption = u"и",
    .MessageTitle = u"Tavrel",
    .EndMessage = u"Опрос окончен.",
    .WarningIcon = MessageStyle::Warning,
    .EndIcon = MessageStyle::Information,
};

const std::string WarningLine = expected::RulesWarningLine(48, "Tavrel");
const std::string EndLine = expected::MessageLine(64, "Tavrel", Utf8(Profile.EndMessage));
const std::string MarkLine = "Label8 = " + expected::ErrorMark;

// The round shows items 2, 3, 1.
struct Round : SessionRound {
    Round() : SessionRound(Profile, {2, 3, 1}) {}
};

enum class State { NotStarted, Unanswered, Answered, Finished };

void Bring(Round& round, State state) {
    if (state == State::NotStarted) return;
    round.Start();
    if (state == State::Answered) round.Press(Control::Command3);  // "е" is right for item 2
    if (state == State::Finished) round.Press({Control::Command5, Control::Command5, Control::Command5});
    round.platform.TakeLog();
}

using Transition = testing::Transition<State>;

class SessionTransitions : public ::testing::TestWithParam<Transition> {};

TEST_P(SessionTransitions, WritesExactlyWhatTheStateCallsFor) {
    Round round;
    Bring(round, GetParam().state);
    testing::ExpectTransition(round.platform, round.session, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    EveryStateAndButton, SessionTransitions,
    ::testing::Values(
        Transition{"NotStarted_Start", State::NotStarted, Control::Command2,
                   {"reseed", "Label1 =  пр_рвать", "Label7 = 1"}, 1, 0, 0},
        Transition{"NotStarted_First", State::NotStarted, Control::Command3, {}, 0, 0, 0},
        Transition{"NotStarted_Second", State::NotStarted, Control::Command4, {}, 0, 0, 0},
        Transition{"NotStarted_Next", State::NotStarted, Control::Command5, {}, 0, 0, 0},
        Transition{"NotStarted_Rules", State::NotStarted, Control::Command1, {"show Form2"}, 0, 0, 0},
        Transition{"NotStarted_Result", State::NotStarted, Control::Command6, {}, 0, 0, 0},
        Transition{"NotStarted_Exit", State::NotStarted, Control::Command7, {"end"}, 0, 0, 0},

        Transition{"Unanswered_Start", State::Unanswered, Control::Command2, {}, 1, 0, 0},
        Transition{"Unanswered_Right", State::Unanswered, Control::Command3, {"Label1 = прервать"}, 1, 1, 0},
        Transition{"Unanswered_Wrong", State::Unanswered, Control::Command4,
                   {MarkLine, "Label5 = 1", "Label1 = прервать"}, 1, 1, 1},
        Transition{"Unanswered_Next", State::Unanswered, Control::Command5,
                   {"Label8 = ", "Label5 = 1", "Label1 =  пр_творить (дверь)", "Label7 = 2"}, 2, 0, 1},
        Transition{"Unanswered_Rules", State::Unanswered, Control::Command1, {WarningLine}, 1, 0, 0},
        Transition{"Unanswered_Exit", State::Unanswered, Control::Command7, {"end"}, 1, 0, 0},

        Transition{"Answered_Start", State::Answered, Control::Command2, {}, 1, 1, 0},
        Transition{"Answered_Again", State::Answered, Control::Command3, {"Label1 = прервать"}, 1, 2, 0},
        Transition{"Answered_OtherButton", State::Answered, Control::Command4, {"Label1 = прервать"}, 1, 2, 0},
        Transition{"Answered_Next", State::Answered, Control::Command5,
                   {"Label8 = ", "Label1 =  пр_творить (дверь)", "Label7 = 2"}, 2, 0, 0},
        Transition{"Answered_Rules", State::Answered, Control::Command1, {"show Form2"}, 1, 1, 0},
        Transition{"Answered_Exit", State::Answered, Control::Command7, {"end"}, 1, 1, 0},

        Transition{"Finished_Start", State::Finished, Control::Command2, {}, 4, 0, 3},
        Transition{"Finished_Answer", State::Finished, Control::Command3, {"Label1 = припомнить"}, 4, 0, 3},
        Transition{"Finished_OtherAnswer", State::Finished, Control::Command4, {"Label1 = припомнить"}, 4, 0, 3},
        Transition{"Finished_Next", State::Finished, Control::Command5, {"Label8 = ", EndLine}, 5, 0, 3},
        Transition{"Finished_Rules", State::Finished, Control::Command1, {"show Form2"}, 4, 0, 3},
        Transition{"Finished_Exit", State::Finished, Control::Command7, {"end"}, 4, 0, 3}),
    CaseName());

TEST(DrillSession, StartsEmptyAndNotStarted) {
    RecordingPlatform platform;
    const DrillSession session(Profile, platform);
    EXPECT_EQ(session.Position(), 0);
    EXPECT_EQ(session.AnswerCount(), 0);
    EXPECT_EQ(session.ErrorCount(), 0);
    EXPECT_TRUE(session.CurrentItem().Prompt.empty());
    EXPECT_TRUE(session.CurrentItem().FullText.empty());
    EXPECT_FALSE(session.Tally().has_value());
    EXPECT_TRUE(platform.log.empty());
}

TEST(DrillSession, SecondStartKeepsOrderItemAndCounters) {
    Round round;
    round.Start();
    round.Press(Control::Command4);  // wrong
    const std::vector<int> order = {round.session.Order().Slot(1), round.session.Order().Slot(2),
                                    round.session.Order().Slot(3)};
    round.platform.TakeLog();
    round.Press(Control::Command2);
    EXPECT_TRUE(round.platform.log.empty());
    EXPECT_EQ(order, (std::vector<int>{round.session.Order().Slot(1), round.session.Order().Slot(2),
                                       round.session.Order().Slot(3)}));
    EXPECT_EQ(round.session.ErrorCount(), 1);
    EXPECT_EQ(round.session.AnswerCount(), 1);
    EXPECT_EQ(round.platform.randomCalls, 3);
}

TEST(DrillSession, WrongThenRightIsOneErrorAndTheMarkStaysUntilNext) {
    Round round;
    round.Start();
    round.Press({Control::Command4, Control::Command3});
    EXPECT_EQ(round.session.ErrorCount(), 1);
    EXPECT_EQ(round.platform.Caption(Control::Label8), expected::ErrorMark);
    EXPECT_EQ(round.platform.Caption(Control::Label5), "1");
    round.Press(Control::Command5);
    EXPECT_EQ(round.platform.Caption(Control::Label8), "");
    EXPECT_EQ(round.session.ErrorCount(), 1);
}

TEST(DrillSession, RightThenWrongIsNoError) {
    Round round;
    round.Start();
    round.Press({Control::Command3, Control::Command4});
    EXPECT_EQ(round.session.ErrorCount(), 0);
    EXPECT_EQ(round.platform.Caption(Control::Label8), "");
    EXPECT_EQ(round.platform.Caption(Control::Label1), "прервать");
}

TEST(DrillSession, SkippedItemCountsButLeavesTheMarkEmpty) {
    Round round;
    round.Start();
    round.Press(Control::Command5);
    EXPECT_EQ(round.platform.Caption(Control::Label5), "1");
    EXPECT_EQ(round.platform.Caption(Control::Label8), "");
}

TEST(DrillSession, RoundOfRightAnswersNeverWritesTheErrorCount) {
    Round round;
    round.Start();
    for (int step = 0; step < 3; ++step) {
        round.session.AnswerItem(round.session.CurrentItem().CorrectOption);
        round.Press(Control::Command5);
    }
    for (const std::string& line : round.platform.log) EXPECT_FALSE(line.starts_with("Label5")) << line;
    EXPECT_EQ(round.session.ErrorCount(), 0);
    EXPECT_EQ(round.platform.Messages(), Log{EndLine});
}

TEST(DrillSession, RoundOfSkipsEndsWithOneErrorPerItem) {
    Round round;
    round.Start();
    round.Press({Control::Command5, Control::Command5, Control::Command5});
    EXPECT_EQ(round.session.ErrorCount(), 3);
    EXPECT_EQ(round.platform.Caption(Control::Label5), "3");
}

TEST(DrillSession, EndKeepsTheLastItemAndRepeatsTheMessage) {
    Round round;
    round.Start();
    // Wrong, right, right.
    round.Press({Control::Command4, Control::Command5, Control::Command4, Control::Command5, Control::Command4,
                 Control::Command5});
    EXPECT_EQ(round.session.Position(), 4);
    EXPECT_EQ(round.platform.Caption(Control::Label7), "3");
    EXPECT_EQ(round.platform.Caption(Control::Label1), "припомнить");
    round.Press({Control::Command5, Control::Command5});
    EXPECT_EQ(round.session.Position(), 6);
    EXPECT_EQ(round.platform.Messages(), (Log{EndLine, EndLine, EndLine}));
    EXPECT_EQ(round.platform.Caption(Control::Label7), "3");
    EXPECT_EQ(round.session.ErrorCount(), 1);
}

TEST(DrillSession, EveryItemIsShownOnceWithItsLeadingBlank) {
    for (int run = 0; run < 50; ++run) {
        RecordingPlatform platform;
        DrillSession session(Profile, platform);
        session.StartRound();
        std::multiset<std::string> prompts;
        for (int step = 0; step < 3; ++step) {
            prompts.insert(platform.Caption(Control::Label1));
            session.NextItem();
        }
        EXPECT_EQ(prompts, (std::multiset<std::string>{"пр_помнить", " пр_рвать", " пр_творить (дверь)"}));
    }
}

TEST(DrillSession, LoadedTextsComeFromTheRowInTheSlot) {
    Round round;
    round.Start();
    EXPECT_EQ(round.session.CurrentItem().Number, 2);
    round.Press(Control::Command5);
    EXPECT_EQ(round.session.CurrentItem().Number, 3);
    EXPECT_EQ(Utf8(round.session.CurrentItem().CorrectOption), "и");
    EXPECT_EQ(Utf8(round.session.CurrentItem().FullText), "притворить (дверь)");
}

TEST(DrillSession, RulesAllowedAnswersWithoutOpeningAnything) {
    Round round;
    EXPECT_TRUE(round.session.RulesAllowed());
    round.Start();
    round.platform.TakeLog();
    EXPECT_FALSE(round.session.RulesAllowed());
    EXPECT_EQ(round.platform.log, Log{WarningLine});
    round.Press(Control::Command4);
    EXPECT_TRUE(round.session.RulesAllowed());
}

constexpr RuleLine TwoRuleLines[] = {{100, 100, u"1) Первая строка."}, {400, 400, u"вторая"}};

TEST(DrillSession, RuleLinesAreWrittenAtEveryAllowedPress) {
    DrillProfile profile = Profile;
    profile.RuleLines = TwoRuleLines;
    RecordingPlatform platform;
    DrillSession session(profile, platform);
    session.Press(Control::Command1);
    session.Press(Control::Command1);
    const Log once = {"show Form2", "plot Form2 100,100", "print Form2 1) Первая строка.", "plot Form2 400,400",
                      "print Form2 вторая"};
    Log twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(platform.TakeLog(), twice);

    platform.ScriptOrder({1, 2, 3}, 3);
    session.StartRound();
    platform.TakeLog();
    session.Press(Control::Command1);
    EXPECT_EQ(platform.log, Log{WarningLine});
}

TEST(DrillSession, PlainProfileShowsNoResult) {
    Round round;
    round.Start();
    round.platform.TakeLog();
    round.session.ShowResult();
    EXPECT_TRUE(round.platform.log.empty());
}

}  // namespace
}  // namespace drill
