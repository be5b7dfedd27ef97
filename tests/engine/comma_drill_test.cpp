#include "engine/comma_drill.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/comma_pass.h"
#include "tests/support/expected_texts.h"
#include "tests/support/recording_platform.h"
#include "tests/support/transition_table.h"

namespace drill {
namespace {

using testing::CaseName;
using testing::CommaEndLine;
using testing::CommaPass;
using testing::CommaRulesWarningLine;
using testing::ConfirmWarningLine;
using testing::Log;
using testing::RestoreWarningLine;

constexpr SentenceItem Rows[] = {
    {1, u"Лодка плывущая по реке качнулась.", u"Лодка, плывущая по реке, качнулась."},
    {2, u"Внимание лося привлёк звук послышавшийся сверху.", u"Внимание лося привлёк звук, послышавшийся сверху."},
};
constexpr SentenceBank Bank(Rows);

// Sentence 2 first, then sentence 1.
struct Pass : CommaPass {
    Pass() : CommaPass(Bank, {2, 1}) {}
};

enum class State { NotStarted, Unanswered, Edited, Answered, Finished };

void Bring(Pass& pass, State state) {
    if (state == State::NotStarted) return;
    pass.Start();
    if (state == State::Edited) pass.Type("Внимание лося, привлёк звук послышавшийся сверху.");
    if (state == State::Answered) pass.Press(Control::Command4);  // unedited: wrong
    if (state == State::Finished) {
        pass.Press(Control::Command5);
        pass.Press(Control::Command5);
    }
    pass.platform.TakeLog();
}

using Transition = testing::Transition<State>;

class CommaTransitions : public ::testing::TestWithParam<Transition> {};

TEST_P(CommaTransitions, WritesExactlyWhatTheStateCallsFor) {
    Pass pass;
    Bring(pass, GetParam().state);
    testing::ExpectTransition(pass.platform, pass.drill, GetParam());
}

const std::string ShownSentence2 = "Text1 := Внимание лося привлёк звук послышавшийся сверху.";
const std::string ShownSentence1 = "Text1 := Лодка плывущая по реке качнулась.";

INSTANTIATE_TEST_SUITE_P(
    EveryStateAndButton, CommaTransitions,
    ::testing::Values(
        Transition{"NotStarted_Start", State::NotStarted, Control::Command2, {"reseed", ShownSentence2, "Label7 = 1"}, 1, 0, 0},
        Transition{"NotStarted_Restore", State::NotStarted, Control::Command3, {"Text1 := "}, 0, 0, 0},
        Transition{"NotStarted_Check", State::NotStarted, Control::Command4, {}, 0, 0, 0},
        Transition{"NotStarted_Next", State::NotStarted, Control::Command5, {}, 0, 0, 0},
        Transition{"NotStarted_Rules", State::NotStarted, Control::Command1, {"show Form2"}, 0, 0, 0},
        Transition{"NotStarted_Exit", State::NotStarted, Control::Command7, {"end"}, 0, 0, 0},

        Transition{"Unanswered_Start", State::Unanswered, Control::Command2, {}, 1, 0, 0},
        Transition{"Unanswered_Restore", State::Unanswered, Control::Command3, {ShownSentence2}, 1, 0, 0},
        Transition{"Unanswered_Check", State::Unanswered, Control::Command4,
                   {"Label8 = Внимание лося привлёк звук послышавшийся сверху.", "Label5 = 1",
                    "Label1 = " + expected::WrongVerdict}, 1, 1, 1},
        Transition{"Unanswered_Next", State::Unanswered, Control::Command5,
                   {"Label8 = ", "Label1 = ", "Label5 = 1", ShownSentence1, "Label7 = 2"}, 2, 0, 1},
        Transition{"Unanswered_Rules", State::Unanswered, Control::Command1, {CommaRulesWarningLine}, 1, 0, 0},

        Transition{"Edited_Next", State::Edited, Control::Command5, {ConfirmWarningLine}, 1, 0, 0},
        Transition{"Edited_Restore", State::Edited, Control::Command3, {ShownSentence2}, 1, 0, 0},

        Transition{"Answered_Restore", State::Answered, Control::Command3, {RestoreWarningLine}, 1, 1, 1},
        Transition{"Answered_Check", State::Answered, Control::Command4, {"Text1 := "}, 1, 2, 1},
        Transition{"Answered_Next", State::Answered, Control::Command5,
                   {"Label8 = ", "Label1 = ", ShownSentence1, "Label7 = 2"}, 2, 0, 1},
        Transition{"Answered_Rules", State::Answered, Control::Command1, {"show Form2"}, 1, 1, 1},

        Transition{"Finished_Start", State::Finished, Control::Command2, {}, 3, 0, 2},
        Transition{"Finished_Restore", State::Finished, Control::Command3, {ShownSentence1}, 3, 0, 2},
        Transition{"Finished_Check", State::Finished, Control::Command4, {}, 3, 0, 2},
        Transition{"Finished_Next", State::Finished, Control::Command5, {"Label8 = ", "Label1 = ", CommaEndLine}, 4, 0, 2},
        Transition{"Finished_Rules", State::Finished, Control::Command1, {"show Form2"}, 3, 0, 2},
        Transition{"Finished_Exit", State::Finished, Control::Command7, {"end"}, 3, 0, 2}),
    CaseName());

TEST(CommaDrill, OnlyTheExactSentencePasses) {
    struct Case {
        const char* typed;
        bool right;
    };
    const Case cases[] = {
        {"Внимание лося привлёк звук, послышавшийся сверху.", true},
        {"Внимание лося привлёк звук, послышавшийся сверху. ", false},   // trailing blank
        {"Внимание лося привлек звук, послышавшийся сверху.", false},    // е for ё
        {"Внимание лося привлёк звук,  послышавшийся сверху.", false},   // doubled blank
        {"внимание лося привлёк звук, послышавшийся сверху.", false},    // small letter
        {"Внимание лося привлёк звук,\nпослышавшийся сверху.", false},   // line break
        {"", false},
    };
    for (const Case& c : cases) {
        Pass pass;
        pass.Start();
        pass.Type(c.typed);
        pass.Press(Control::Command4);
        EXPECT_EQ(pass.platform.Caption(Control::Label1), c.right ? expected::RightVerdict : expected::WrongVerdict) << c.typed;
        EXPECT_EQ(pass.platform.Caption(Control::Label8), c.right ? "" : c.typed);
        EXPECT_EQ(pass.drill.ErrorCount(), c.right ? 0 : 1) << c.typed;
    }
}

TEST(CommaDrill, WrongTextIsShownCharacterForCharacter) {
    Pass pass;
    pass.Start();
    Text hostile = u"<b>Лодка</b> <img src=x>\t\u200F\u0301";
    hostile += char16_t{0xD83D};
    hostile += char16_t{0xDE00};
    hostile += char16_t{0xDC00};  // a lone low surrogate
    pass.platform.text1 = hostile;
    pass.Press(Control::Command4);
    EXPECT_EQ(pass.platform.captions.at({Form::Form1, Control::Label8}), hostile);
}

TEST(CommaDrill, SecondCheckEmptiesTheBoxAndCountsNothing) {
    Pass pass;
    pass.Start();
    pass.Press(Control::Command4);
    pass.Type("Внимание лося привлёк звук, послышавшийся сверху.");
    pass.platform.TakeLog();
    pass.Press(Control::Command4);
    EXPECT_EQ(pass.platform.log, Log{"Text1 := "});
    EXPECT_EQ(pass.drill.ErrorCount(), 1);
    EXPECT_EQ(pass.platform.Caption(Control::Label1), expected::WrongVerdict);
}

TEST(CommaDrill, CorrectedTextAfterAWrongCheckMovesOnWithoutWarning) {
    Pass pass;
    pass.Start();
    pass.Press(Control::Command4);
    pass.Type("Внимание лося привлёк звук, послышавшийся сверху.");
    pass.platform.TakeLog();
    pass.Press(Control::Command5);
    EXPECT_TRUE(pass.platform.Messages().empty());
    EXPECT_EQ(pass.drill.Position(), 2);
    EXPECT_EQ(pass.drill.ErrorCount(), 1);
}

TEST(CommaDrill, RestoreThenNextMovesOnAndCountsTheSkip) {
    Pass pass;
    pass.Start();
    pass.Type("испорчено");
    pass.Press(Control::Command5);
    EXPECT_EQ(pass.drill.Position(), 1);
    pass.Press(Control::Command3);
    pass.Press(Control::Command5);
    EXPECT_EQ(pass.drill.Position(), 2);
    EXPECT_EQ(pass.drill.ErrorCount(), 1);
    EXPECT_EQ(pass.platform.Caption(Control::Label5), "1");
}

TEST(CommaDrill, EditedTextAfterTheEndStillWarns) {
    Pass pass;
    Bring(pass, State::Finished);
    pass.Type("что-то");
    pass.Press(Control::Command5);
    EXPECT_EQ(pass.platform.log, Log{ConfirmWarningLine});
    EXPECT_EQ(pass.drill.Position(), 3);
}

TEST(CommaDrill, EndKeepsTheLastSentenceAndNumber) {
    Pass pass;
    pass.Start();
    pass.Type("Внимание лося привлёк звук, послышавшийся сверху.");
    pass.Press(Control::Command4);
    pass.Press(Control::Command5);
    pass.Press(Control::Command5);
    EXPECT_EQ(pass.platform.Messages(), Log{CommaEndLine});
    EXPECT_EQ(pass.platform.Caption(Control::Label7), "2");
    EXPECT_EQ(testing::Utf8(pass.platform.text1), "Лодка плывущая по реке качнулась.");
    EXPECT_EQ(pass.drill.ErrorCount(), 1);
}

}  // namespace
}  // namespace drill
