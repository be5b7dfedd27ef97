#include "tests/support/expected_texts.h"
#include "tests/support/tallied_program_suite.h"

#include <algorithm>
#include <random>

#include "engine/drill_session.h"
#include "engine/result_tally.h"
#include "tests/support/recording_platform.h"
#include "tests/support/session_round.h"

namespace drill::testing {

void PrintTo(const TalliedProgram& program, std::ostream* out) { *out << program.name; }

std::string EndMessageLine(const DrillProfile& profile) {
    return "message 0 [" + Utf8(profile.MessageTitle) + "] Опрос окончен. Посмотрите результат.";
}

std::string RulesWarningLine(const DrillProfile& profile) {
    return expected::RulesWarningLine(0, Utf8(profile.MessageTitle));
}

namespace {

bool IsLowerCyrillic(char16_t c) { return (c >= u'а' && c <= u'я') || c == u'ё'; }

Text FillGap(TextView prompt, TextView letters) {
    Text filled(prompt);
    filled.replace(filled.find(u'_'), 1, letters);
    return filled;
}

TEST_P(TalliedProgramTest, BankRowsAreNumberedWithoutGaps) {
    const ItemBank& bank = GetParam().profile->Bank;
    int total = 0;
    for (const int size : GetParam().categorySizes) total += size;
    ASSERT_EQ(bank.Size(), total);
    for (int k = 1; k <= bank.Size(); ++k) EXPECT_EQ(bank.Row(k).Number, k);
}

TEST_P(TalliedProgramTest, FullTextIsThePromptWithTheAnswerInItsOneGap) {
    const TalliedProgram& program = GetParam();
    const DrillProfile& profile = *program.profile;
    std::set<int> yoRows;
    for (const DrillItem& row : profile.Bank.Rows()) {
        SCOPED_TRACE("row " + std::to_string(row.Number));
        ASSERT_EQ(std::count(row.Prompt.begin(), row.Prompt.end(), u'_'), 1);
        EXPECT_EQ(row.FullText.find(u'_'), TextView::npos);
        EXPECT_TRUE(row.CorrectOption == profile.FirstOption || row.CorrectOption == profile.SecondOption);
        const bool yo = program.yoInGap.contains(row.Number);
        if (yo) {
            EXPECT_EQ(Utf8(row.CorrectOption), "е");
        }
        EXPECT_EQ(Utf8(row.FullText), Utf8(FillGap(row.Prompt, yo ? TextView(u"ё") : row.CorrectOption)));
    }
}

TEST_P(TalliedProgramTest, TextsAreLowerCaseCyrillicWithoutStrayBlanks) {
    const TalliedProgram& program = GetParam();
    for (const DrillItem& row : program.profile->Bank.Rows()) {
        for (const TextView text : {row.Prompt, row.FullText}) {
            SCOPED_TRACE("row " + std::to_string(row.Number) + ": " + Utf8(text));
            ASSERT_FALSE(text.empty());
            EXPECT_NE(text.front(), u' ');
            EXPECT_NE(text.back(), u' ');
            EXPECT_EQ(text.find(u"  "), TextView::npos);
            for (const char16_t c : text) {
                const bool allowed = IsLowerCyrillic(c) || c == u'_' || (program.phrases && c == u' ');
                EXPECT_TRUE(allowed) << "character U+" << std::hex << static_cast<int>(c);
            }
        }
    }
}

TEST_P(TalliedProgramTest, CategoriesCoverTheBankInOrder) {
    const TalliedProgram& program = GetParam();
    const auto categories = program.profile->Categories;
    ASSERT_EQ(categories.size(), program.categorySizes.size());
    int next = 1;
    for (std::size_t k = 0; k < categories.size(); ++k) {
        EXPECT_EQ(categories[k].FirstNumber, next);
        EXPECT_EQ(categories[k].LastNumber - categories[k].FirstNumber + 1, program.categorySizes[k]);
        next = categories[k].LastNumber + 1;
    }
    EXPECT_EQ(next, program.profile->Bank.Size() + 1);
}

TEST_P(TalliedProgramTest, RangeEdgesFallInTheirCategories) {
    const ResultTally tally(GetParam().profile->Categories);
    for (const auto& [number, category] : GetParam().rangeEdges) {
        EXPECT_EQ(tally.CategoryOf(number), category) << "item " << number;
    }
}

TEST_P(TalliedProgramTest, ResultBeforeStartShowsOnlyTheZeroTotal) {
    const TalliedProgram& program = GetParam();
    SessionRound round(*program.profile);
    const std::vector<int> none(program.categorySizes.size(), 0);
    EXPECT_EQ(round.Result(), ResultLog(0, none, 0, "", none));
    // The answer and next buttons do nothing before the start.
    round.session.Press(Control::Command3);
    round.session.Press(Control::Command4);
    round.session.Press(Control::Command5);
    EXPECT_EQ(round.Result(), ResultLog(0, none, 0, "", none));
}

TEST_P(TalliedProgramTest, SkippingEveryItemCountsEachAsUnanswered) {
    const TalliedProgram& program = GetParam();
    const int n = program.profile->Bank.Size();
    const std::vector<int> none(program.categorySizes.size(), 0);
    SessionRound round(*program.profile);
    round.session.StartRound();
    for (int step = 0; step < n; ++step) round.session.Press(Control::Command5);
    EXPECT_EQ(round.platform.Messages(), Log{EndMessageLine(*program.profile)});
    EXPECT_EQ(round.platform.Caption(Control::Label5), std::to_string(n));
    EXPECT_EQ(round.platform.Caption(Control::Label7), std::to_string(n));
    EXPECT_EQ(round.platform.Caption(Control::Label8), "");
    const Log expected = ResultLog(n, none, n, std::to_string(n), program.categorySizes);
    EXPECT_EQ(round.Result(), expected);

    // Past the end every press repeats the message and the asked value stays at N.
    round.session.Press(Control::Command5);
    round.session.Press(Control::Command5);
    EXPECT_EQ(round.platform.Messages(), (Log{EndMessageLine(*program.profile), EndMessageLine(*program.profile)}));
    EXPECT_EQ(round.session.Position(), n + 3);
    EXPECT_EQ(round.Result(), expected);
}

TEST_P(TalliedProgramTest, RoundOfRightAnswersLeavesEveryErrorEmpty) {
    const TalliedProgram& program = GetParam();
    const int n = program.profile->Bank.Size();
    const std::vector<int> none(program.categorySizes.size(), 0);
    SessionRound round(*program.profile);
    round.session.StartRound();
    for (int step = 0; step < n; ++step) {
        round.session.AnswerItem(round.session.CurrentItem().CorrectOption);
        EXPECT_EQ(round.platform.Caption(Control::Label1), Utf8(round.session.CurrentItem().FullText));
        round.session.Press(Control::Command5);
    }
    for (const std::string& line : round.platform.log) {
        EXPECT_FALSE(line.starts_with("Label5")) << line;
        EXPECT_NE(line, "Label8 = Была ошибка");
    }
    EXPECT_EQ(round.platform.Messages(), Log{EndMessageLine(*program.profile)});
    EXPECT_EQ(round.Result(), ResultLog(0, none, 0, std::to_string(n), program.categorySizes));
}

TEST_P(TalliedProgramTest, WrongFirstAnswerCountsOnceInTheItemsCategory) {
    const TalliedProgram& program = GetParam();
    const std::size_t categories = program.categorySizes.size();
    for (const auto& [number, category] : program.rangeEdges) {
        SCOPED_TRACE("item " + std::to_string(number));
        SessionRound round(*program.profile, {number});
        round.Start();
        ASSERT_EQ(round.session.CurrentItem().Number, number);
        round.Press(round.WrongButton());
        EXPECT_EQ(round.platform.Caption(Control::Label8), "Была ошибка");
        EXPECT_EQ(round.platform.Caption(Control::Label5), "1");
        // Neither button counts any more on this item.
        round.session.Press(Control::Command3);
        round.session.Press(Control::Command4);
        std::vector<int> errors(categories, 0);
        std::vector<int> shown(categories, 0);
        errors[static_cast<std::size_t>(category - 1)] = 1;
        shown[static_cast<std::size_t>(category - 1)] = 1;
        EXPECT_EQ(round.Result(), ResultLog(1, errors, 0, "1", shown));
    }
}

TEST_P(TalliedProgramTest, RulesWarningHasNoIcon) {
    const TalliedProgram& program = GetParam();
    SessionRound round(*program.profile);
    round.session.StartRound();
    round.platform.TakeLog();
    round.session.Press(Control::Command1);
    EXPECT_EQ(round.platform.log, Log{RulesWarningLine(*program.profile)});
}

// The invariants of the tally hold between any two presses, whatever the pupil presses.
TEST_P(TalliedProgramTest, TallyInvariantsHoldAfterEveryPress) {
    const TalliedProgram& program = GetParam();
    std::mt19937 pupil(7);
    std::uniform_int_distribution<int> button(static_cast<int>(Control::Command1), static_cast<int>(Control::Command6));
    for (int run = 0; run < 20; ++run) {
        SessionRound round(*program.profile);
        for (int press = 0; press < 300; ++press) {
            round.Press(static_cast<Control>(button(pupil)));
            ASSERT_TRUE(TallyInvariantsHold(round.session));
        }
    }
}

}  // namespace
}  // namespace drill::testing
