#include "engine/result_tally.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/drill_session.h"
#include "tests/support/recording_platform.h"
#include "tests/support/session_round.h"

namespace drill {
namespace {

using testing::Log;
using testing::ResultLog;
using testing::SessionRound;
using testing::TallyInvariantsHold;

// Five items in three categories: 1-2, 3, 4-5.
constexpr DrillItem Rows[] = {
    {1, u"а_1", u"о", u"ао1"}, {2, u"а_2", u"е", u"ае2"}, {3, u"а_3", u"о", u"ао3"},
    {4, u"а_4", u"е", u"ае4"}, {5, u"а_5", u"о", u"ао5"},
};
constexpr ResultCategory Categories[] = {{u"Первая:", 1, 2}, {u"Вторая:", 3, 3}, {u"Третья:", 4, 5}};

constexpr DrillProfile Profile{
    .Bank = ItemBank(Rows),
    .FirstOption = u"о",
    .SecondOption = u"е",
    .MessageTitle = u"Правописание",
    .EndMessage = u"Опрос окончен. Посмотрите результат.",
    .WrongAnswer = WrongAnswerWrites::FullTextThenCount,
    .Categories = Categories,
};

TEST(ResultTally, CategoryEdgesFollowTheRanges) {
    const ResultTally tally(Categories);
    const std::vector<std::pair<int, int>> cases = {{1, 1}, {2, 1}, {3, 2}, {4, 3}, {5, 3}};
    for (const auto& [number, category] : cases) EXPECT_EQ(tally.CategoryOf(number), category) << number;
}

TEST(ResultTally, CountersStayUnsetUntilRaised) {
    ResultTally tally(Categories);
    EXPECT_FALSE(tally.CategoryErrors(1).has_value());
    EXPECT_FALSE(tally.NoAnswerCount().has_value());
    tally.CountShown(4);
    tally.CountError(5);
    tally.CountNoAnswer();
    tally.CountNoAnswer();
    EXPECT_EQ(tally.CategoryShown(3), 1);
    EXPECT_EQ(tally.CategoryErrors(3), 1);
    EXPECT_FALSE(tally.CategoryShown(1).has_value());
    EXPECT_EQ(tally.NoAnswerCount(), 2);
    EXPECT_EQ(CounterText(tally.CategoryErrors(1)), u"");
    EXPECT_EQ(CounterText(tally.CategoryErrors(3)), u"1");
}

// Items on show, in order: 4, 1, 3, 5, 2.
struct TalliedRound : SessionRound {
    TalliedRound() : SessionRound(Profile, {4, 1, 3, 5, 2}) {}
};

TEST(TalliedSession, ResultBeforeStartShowsOnlyTheZeroTotal) {
    TalliedRound round;
    round.session.ShowResult();
    EXPECT_EQ(round.platform.log, ResultLog(0, {0, 0, 0}, 0, "", {0, 0, 0}));
}

TEST(TalliedSession, WrongFirstAnswerCountsInItsCategoryAndShowsTheTextBeforeTheCount) {
    TalliedRound round;
    round.Start();
    round.platform.TakeLog();
    round.session.Press(Control::Command4);  // item 4 takes "е": right
    round.session.Press(Control::Command5);
    round.platform.TakeLog();
    round.session.Press(Control::Command4);  // item 1 takes "о": wrong
    EXPECT_EQ(round.platform.log, (Log{"Label8 = Была ошибка", "Label1 = ао1", "Label5 = 1"}));
    round.session.Press(Control::Command3);  // the right one afterwards counts nothing
    EXPECT_EQ(round.session.Tally()->CategoryErrors(1), 1);
    EXPECT_EQ(round.session.ErrorCount(), 1);
    EXPECT_TRUE(TallyInvariantsHold(round.session));
}

TEST(TalliedSession, ResultMidRoundCountsTheItemOnShow) {
    TalliedRound round;
    round.Start();
    round.session.Press(Control::Command3);  // item 4 takes "е": wrong
    round.session.Press(Control::Command5);  // item 1 shown
    round.session.Press(Control::Command5);  // item 1 skipped, item 3 shown
    round.platform.TakeLog();
    round.session.ShowResult();
    EXPECT_EQ(round.platform.log, ResultLog(2, {0, 0, 1}, 1, "3", {1, 1, 1}));
    EXPECT_TRUE(TallyInvariantsHold(round.session));
}

TEST(TalliedSession, AfterTheEndTheAskedValueStaysAtN) {
    TalliedRound round;
    round.Start();
    for (int step = 0; step < 7; ++step) {
        round.session.Press(Control::Command5);
        EXPECT_TRUE(TallyInvariantsHold(round.session));
    }
    EXPECT_EQ(round.session.Position(), 8);
    EXPECT_EQ(round.platform.Messages().size(), 3u);
    round.platform.TakeLog();
    round.session.ShowResult();
    EXPECT_EQ(round.platform.log, ResultLog(5, {0, 0, 0}, 5, "5", {2, 1, 2}));
}

TEST(TalliedSession, ResultChangesNothing) {
    TalliedRound round;
    round.Start();
    round.session.ShowResult();
    round.session.ShowResult();
    EXPECT_EQ(round.session.Position(), 1);
    EXPECT_EQ(round.session.ErrorCount(), 0);
    EXPECT_EQ(round.session.Tally()->CategoryShown(3), 1);
    EXPECT_TRUE(TallyInvariantsHold(round.session));
}

}  // namespace
}  // namespace drill
