#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "engine/drill_session.h"
#include "programs/tavrel/tavrel.h"
#include "tests/support/expected_texts.h"
#include "tests/support/recording_platform.h"

namespace tavrel {
namespace {

using drill::Control;
using drill::testing::RecordingPlatform;
using drill::testing::Utf8;

TEST(TavrelBank, RowsAreNumberedAndFitTheGap) {
    const drill::ItemBank& bank = Profile.Bank;
    ASSERT_EQ(bank.Size(), 23);
    std::set<std::u16string_view> prompts;
    for (int number = 1; number <= bank.Size(); ++number) {
        const drill::DrillItem& row = bank.Row(number);
        EXPECT_EQ(row.Number, number);
        prompts.insert(row.Prompt);
        // Prompts 3 to 23 carry one leading blank; no full text has one.
        const std::u16string_view lead = number >= 3 ? u" " : u"";
        ASSERT_TRUE(row.Prompt.starts_with(lead)) << number;
        std::u16string word(row.Prompt.substr(lead.size()));
        EXPECT_FALSE(word.starts_with(u" ")) << number;
        ASSERT_EQ(std::count(word.begin(), word.end(), u'_'), 1) << number;
        EXPECT_TRUE(row.CorrectOption == Profile.FirstOption || row.CorrectOption == Profile.SecondOption);
        word.replace(word.find(u'_'), 1, row.CorrectOption);
        EXPECT_EQ(Utf8(word), Utf8(row.FullText)) << number;
    }
    EXPECT_EQ(prompts.size(), 23u);
}

TEST(TavrelBank, TenWordsTakePre) {
    std::vector<int> pre;
    for (const drill::DrillItem& row : Profile.Bank.Rows()) {
        if (row.CorrectOption == u"е") pre.push_back(row.Number);
    }
    EXPECT_EQ(pre, (std::vector<int>{2, 5, 7, 9, 10, 12, 14, 15, 17, 23}));
}

TEST(TavrelBank, HintsBelongToBothTexts) {
    EXPECT_EQ(Utf8(Profile.Bank.Row(16).Prompt), " пр_творить (дверь)");
    EXPECT_EQ(Utf8(Profile.Bank.Row(16).FullText), "притворить (дверь)");
    EXPECT_EQ(Utf8(Profile.Bank.Row(17).FullText), "преступить (закон)");
    EXPECT_EQ(Utf8(Profile.Bank.Row(3).Prompt), " пр_седать");
    EXPECT_EQ(Utf8(Profile.Bank.Row(1).Prompt), "пр_помнить");
}

TEST(TavrelRound, WholeRoundShowsEveryWordOnceAndEndsWithInformation) {
    RecordingPlatform platform;
    drill::DrillSession session(Profile, platform);
    session.Press(Control::Command2);
    std::set<std::string> shown;
    for (int position = 1; position <= 23; ++position) {
        EXPECT_EQ(platform.Caption(Control::Label7), std::to_string(position));
        shown.insert(platform.Caption(Control::Label1));
        // Every odd position answered wrong, every even one right.
        const bool wrong = position % 2 == 1;
        const bool firstIsRight = session.CurrentItem().CorrectOption == Profile.FirstOption;
        session.Press(firstIsRight != wrong ? Control::Command3 : Control::Command4);
        EXPECT_EQ(platform.Caption(Control::Label1), Utf8(session.CurrentItem().FullText));
        session.Press(Control::Command5);
    }
    EXPECT_EQ(shown.size(), 23u);
    EXPECT_EQ(platform.Caption(Control::Label5), "12");
    EXPECT_EQ(platform.Messages(), std::vector<std::string>{"message 64 [Tavrel] Опрос окончен."});
    session.Press(Control::Command1);
    EXPECT_EQ(platform.log.back(), "show Form2");
}

TEST(TavrelRound, RulesWarningHasTheWarningIcon) {
    RecordingPlatform platform;
    drill::DrillSession session(Profile, platform);
    session.Press(Control::Command2);
    session.Press(Control::Command1);
    EXPECT_EQ(platform.Messages(),
              std::vector<std::string>{expected::RulesWarningLine(48, "Tavrel")});
}

}  // namespace
}  // namespace tavrel
