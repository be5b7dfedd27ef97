#include "engine/result_tally.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/drill_session.h"
#include "tests/support/recording_platform.h"

namespace drill {
namespace {

using testing::RecordingPlatform;
using Log = std::vector<std::string>;

// Five items in three categories: 1-2, 3, 4-5.
constexpr DrillItem kRows[] = {
    {1, u"а_1", u"о", u"ао1"}, {2, u"а_2", u"е", u"ае2"}, {3, u"а_3", u"о", u"ао3"},
    {4, u"а_4", u"е", u"ае4"}, {5, u"а_5", u"о", u"ао5"},
};
constexpr ResultCategory kCategories[] = {{u"Первая:", 1, 2}, {u"Вторая:", 3, 3}, {u"Третья:", 4, 5}};

constexpr DrillProfile kProfile{
    .Bank = ItemBank(kRows),
    .FirstOption = u"о",
    .SecondOption = u"е",
    .MessageTitle = u"Правописание",
    .EndMessage = u"Опрос окончен. Посмотрите результат.",
    .Categories = kCategories,
};

TEST(ResultTally, CategoryEdgesFollowTheRanges) {
    const ResultTally tally(kCategories);
    const std::vector<std::pair<int, int>> cases = {{1, 1}, {2, 1}, {3, 2}, {4, 3}, {5, 3}};
    for (const auto& [number, category] : cases) EXPECT_EQ(tally.CategoryOf(number), category) << number;
}

TEST(ResultTally, CountersStayUnsetUntilRaised) {
    ResultTally tally(kCategories);
    EXPECT_FALSE(tally.CategoryErrors(1).has_value());
    EXPECT_FALSE(tally.NoAnswerCount().has_value());
    EXPECT_EQ(tally.ErrorTotal(), 0);
    tally.CountShown(4);
    tally.CountError(5);
    tally.CountNoAnswer();
    tally.CountNoAnswer();
    EXPECT_EQ(tally.CategoryShown(3), 1);
    EXPECT_EQ(tally.CategoryErrors(3), 1);
    EXPECT_FALSE(tally.CategoryShown(1).has_value());
    EXPECT_EQ(tally.NoAnswerCount(), 2);
    EXPECT_EQ(tally.ErrorTotal(), 3);
    EXPECT_EQ(CounterText(tally.CategoryErrors(1)), u"");
    EXPECT_EQ(CounterText(tally.CategoryErrors(3)), u"1");
}

struct TalliedRound {
    RecordingPlatform platform;
    DrillSession session{kProfile, platform};

    // Items on show, in order: 4, 1, 3, 5, 2.
    void Start() {
        platform.ScriptOrder({4, 1, 3, 5, 2}, 5);
        session.StartRound();
    }

    // The invariants that hold between presses.
    void CheckInvariants() const {
        const ResultTally& tally = *session.Tally();
        int shownSum = 0;
        int errorSum = tally.NoAnswerCount().value_or(0);
        for (int k = 1; k <= tally.CategoryCount(); ++k) {
            const int errors = tally.CategoryErrors(k).value_or(0);
            const int shown = tally.CategoryShown(k).value_or(0);
            EXPECT_LE(errors, shown);
            EXPECT_LE(shown, kCategories[k - 1].LastNumber - kCategories[k - 1].FirstNumber + 1);
            shownSum += shown;
            errorSum += errors;
        }
        EXPECT_EQ(session.ErrorCount(), errorSum);
        if (session.Position() > 0) {
            EXPECT_EQ(shownSum, std::min(session.Position(), 5));
        }
    }
};

TEST(TalliedSession, ResultBeforeStartShowsOnlyTheZeroTotal) {
    TalliedRound round;
    round.session.ShowResult();
    EXPECT_EQ(round.platform.log,
              (Log{"show Form3", "Form3.Label2 = 0", "Form3.Label6 = ", "Form3.Label13 = ", "Form3.Label15 = ",
                   "Form3.Label21 = ", "Form3.Label22 = ", "Form3.Label23 = ", "Form3.Label24 = ", "Form3.Label25 = "}));
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
    round.CheckInvariants();
}

TEST(TalliedSession, ResultMidRoundCountsTheItemOnShow) {
    TalliedRound round;
    round.Start();
    round.session.Press(Control::Command3);  // item 4 takes "е": wrong
    round.session.Press(Control::Command5);  // item 1 shown
    round.session.Press(Control::Command5);  // item 1 skipped, item 3 shown
    round.platform.TakeLog();
    round.session.ShowResult();
    EXPECT_EQ(round.platform.log,
              (Log{"show Form3", "Form3.Label2 = 2", "Form3.Label6 = ", "Form3.Label13 = ", "Form3.Label15 = 1",
                   "Form3.Label21 = 1", "Form3.Label22 = 3", "Form3.Label23 = 1", "Form3.Label24 = 1",
                   "Form3.Label25 = 1"}));
    round.CheckInvariants();
}

TEST(TalliedSession, AfterTheEndTheAskedValueStaysAtN) {
    TalliedRound round;
    round.Start();
    for (int step = 0; step < 7; ++step) {
        round.session.Press(Control::Command5);
        round.CheckInvariants();
    }
    EXPECT_EQ(round.session.Position(), 8);
    EXPECT_EQ(round.platform.Messages().size(), 3u);
    round.platform.TakeLog();
    round.session.ShowResult();
    EXPECT_EQ(round.platform.log,
              (Log{"show Form3", "Form3.Label2 = 5", "Form3.Label6 = ", "Form3.Label13 = ", "Form3.Label15 = ",
                   "Form3.Label21 = 5", "Form3.Label22 = 5", "Form3.Label23 = 2", "Form3.Label24 = 1",
                   "Form3.Label25 = 2"}));
}

TEST(TalliedSession, ResultChangesNothing) {
    TalliedRound round;
    round.Start();
    round.session.ShowResult();
    round.session.ShowResult();
    EXPECT_EQ(round.session.Position(), 1);
    EXPECT_EQ(round.session.ErrorCount(), 0);
    EXPECT_EQ(round.session.Tally()->CategoryShown(3), 1);
    round.CheckInvariants();
}

}  // namespace
}  // namespace drill
