// The comma drill with the real bank, headless, against a recording platform.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/comma_drill.h"
#include "programs/luzema/bank.h"
#include "tests/support/comma_pass.h"
#include "tests/support/recording_platform.h"
#include "tests/support/transition_table.h"

namespace luzema {
namespace {

using drill::Control;
using drill::Text;
using drill::testing::CaseName;
using drill::testing::CommaEndLine;
using drill::testing::CommaRulesWarningLine;
using drill::testing::ConfirmWarningLine;
using drill::testing::Log;
using drill::testing::RecordingPlatform;
using drill::testing::RestoreWarningLine;
using drill::testing::Utf8;

// Row 1 (the longest, with ё) first, row 4 last.
const std::vector<int> ScriptedOrder = {1, 7, 3, 8, 6, 9, 2, 5, 4};

std::string Shown(int number) { return Utf8(Bank().Row(number).ShownText); }
std::string Expected(int number) { return Utf8(Bank().Row(number).ExpectedText); }

struct Pass : drill::testing::CommaPass {
    explicit Pass(const std::vector<int>& order = ScriptedOrder) : CommaPass(Bank(), order) {}
};

// Finished: nine skipped sentences, so the box still holds the last sentence as shown.
// FinishedRight: nine right answers, so the box holds the pupil's last text, which differs from the
// shown one; further presses of "Ещё предложение" then ask for confirmation, as in any edited state.
enum class State { NotStarted, Unanswered, Edited, AnsweredRight, AnsweredWrong, Finished, FinishedRight };

void Bring(Pass& pass, State state) {
    if (state == State::NotStarted) return;
    pass.Press(Control::Command2);
    switch (state) {
        case State::Edited: pass.Type("Лодка, управляемая"); break;
        case State::AnsweredRight:
            pass.Type(pass.Row().ExpectedText);
            pass.Press(Control::Command4);
            break;
        case State::AnsweredWrong: pass.Press(Control::Command4); break;
        case State::Finished:
            for (int k = 0; k < 9; ++k) pass.Press(Control::Command5);
            break;
        case State::FinishedRight:
            for (int k = 0; k < 9; ++k) {
                pass.Type(pass.Row().ExpectedText);
                pass.Press(Control::Command4);
                pass.Press(Control::Command5);
            }
            break;
        default: break;
    }
    pass.platform.TakeLog();
}

using Transition = drill::testing::Transition<State>;

class RealBankTransitions : public ::testing::TestWithParam<Transition> {};

TEST_P(RealBankTransitions, WritesExactlyWhatTheStateCallsFor) {
    Pass pass;
    Bring(pass, GetParam().state);
    drill::testing::ExpectTransition(pass.platform, pass.drill, GetParam());
}

const std::string BoxEmptied = "Text1 := ";
const std::string ShownFirst = "Text1 := " + Shown(1);
const std::string ShownSecond = "Text1 := " + Shown(7);
const std::string ShownLast = "Text1 := " + Shown(4);
const Log MoveOnCounting = {"Label8 = ", "Label1 = ", "Label5 = 1", ShownSecond, "Label7 = 2"};
const Log MoveOn = {"Label8 = ", "Label1 = ", ShownSecond, "Label7 = 2"};
const Log EndAgain = {"Label8 = ", "Label1 = ", CommaEndLine};

// The error counts are whole counts: AnsweredWrong brings one error with it, Finished nine.
INSTANTIATE_TEST_SUITE_P(
    EveryStateAndButton, RealBankTransitions,
    ::testing::Values(
        Transition{"NotStarted_Rules", State::NotStarted, Control::Command1, {"show Form2"}, 0, 0, 0},
        Transition{"NotStarted_Start", State::NotStarted, Control::Command2, {"reseed", ShownFirst, "Label7 = 1"}, 1, 0, 0},
        Transition{"NotStarted_Restore", State::NotStarted, Control::Command3, {BoxEmptied}, 0, 0, 0},
        Transition{"NotStarted_Check", State::NotStarted, Control::Command4, {}, 0, 0, 0},
        Transition{"NotStarted_Next", State::NotStarted, Control::Command5, {}, 0, 0, 0},
        Transition{"NotStarted_Exit", State::NotStarted, Control::Command7, {"end"}, 0, 0, 0},

        Transition{"Unanswered_Rules", State::Unanswered, Control::Command1, {CommaRulesWarningLine}, 1, 0, 0},
        Transition{"Unanswered_Start", State::Unanswered, Control::Command2, {}, 1, 0, 0},
        Transition{"Unanswered_Restore", State::Unanswered, Control::Command3, {ShownFirst}, 1, 0, 0},
        Transition{"Unanswered_Check", State::Unanswered, Control::Command4,
                   {"Label8 = " + Shown(1), "Label5 = 1", "Label1 = Ошибка. Ваш ответ:"}, 1, 1, 1},
        Transition{"Unanswered_Next", State::Unanswered, Control::Command5, MoveOnCounting, 2, 0, 1},
        Transition{"Unanswered_Exit", State::Unanswered, Control::Command7, {"end"}, 1, 0, 0},

        Transition{"Edited_Rules", State::Edited, Control::Command1, {CommaRulesWarningLine}, 1, 0, 0},
        Transition{"Edited_Start", State::Edited, Control::Command2, {}, 1, 0, 0},
        Transition{"Edited_Restore", State::Edited, Control::Command3, {ShownFirst}, 1, 0, 0},
        Transition{"Edited_Check", State::Edited, Control::Command4,
                   {"Label8 = Лодка, управляемая", "Label5 = 1", "Label1 = Ошибка. Ваш ответ:"}, 1, 1, 1},
        Transition{"Edited_Next", State::Edited, Control::Command5, {ConfirmWarningLine}, 1, 0, 0},
        Transition{"Edited_Exit", State::Edited, Control::Command7, {"end"}, 1, 0, 0},

        Transition{"AnsweredRight_Rules", State::AnsweredRight, Control::Command1, {"show Form2"}, 1, 1, 0},
        Transition{"AnsweredRight_Start", State::AnsweredRight, Control::Command2, {}, 1, 1, 0},
        Transition{"AnsweredRight_Restore", State::AnsweredRight, Control::Command3, {RestoreWarningLine}, 1, 1, 0},
        Transition{"AnsweredRight_Check", State::AnsweredRight, Control::Command4, {BoxEmptied}, 1, 2, 0},
        Transition{"AnsweredRight_Next", State::AnsweredRight, Control::Command5, MoveOn, 2, 0, 0},
        Transition{"AnsweredRight_Exit", State::AnsweredRight, Control::Command7, {"end"}, 1, 1, 0},

        Transition{"AnsweredWrong_Rules", State::AnsweredWrong, Control::Command1, {"show Form2"}, 1, 1, 1},
        Transition{"AnsweredWrong_Restore", State::AnsweredWrong, Control::Command3, {RestoreWarningLine}, 1, 1, 1},
        Transition{"AnsweredWrong_Check", State::AnsweredWrong, Control::Command4, {BoxEmptied}, 1, 2, 1},
        Transition{"AnsweredWrong_Next", State::AnsweredWrong, Control::Command5, MoveOn, 2, 0, 1},

        Transition{"Finished_Rules", State::Finished, Control::Command1, {"show Form2"}, 10, 0, 9},
        Transition{"Finished_Start", State::Finished, Control::Command2, {}, 10, 0, 9},
        Transition{"Finished_Restore", State::Finished, Control::Command3, {ShownLast}, 10, 0, 9},
        Transition{"Finished_Check", State::Finished, Control::Command4, {}, 10, 0, 9},
        Transition{"Finished_Next", State::Finished, Control::Command5, EndAgain, 11, 0, 9},
        Transition{"Finished_Exit", State::Finished, Control::Command7, {"end"}, 10, 0, 9},

        Transition{"FinishedRight_Rules", State::FinishedRight, Control::Command1, {"show Form2"}, 10, 0, 0},
        Transition{"FinishedRight_Restore", State::FinishedRight, Control::Command3, {ShownLast}, 10, 0, 0},
        Transition{"FinishedRight_Check", State::FinishedRight, Control::Command4, {}, 10, 0, 0},
        Transition{"FinishedRight_Next", State::FinishedRight, Control::Command5, {ConfirmWarningLine}, 10, 0, 0}),
    CaseName());

TEST(RealBank, ExactSentencesPassAndEverythingElseFails) {
    for (const int number : ScriptedOrder) {
        const Text expected(Bank().Row(number).ExpectedText);
        Text withE = expected;
        std::replace(withE.begin(), withE.end(), u'ё', u'е');
        Text noBlankAfterComma = expected;
        noBlankAfterComma.erase(noBlankAfterComma.find(u", ") + 1, 1);
        Text lineBreakAfterComma = expected;
        lineBreakAfterComma[lineBreakAfterComma.find(u", ") + 1] = u'\n';
        Text lastCommaMissing = expected;
        lastCommaMissing.erase(lastCommaMissing.rfind(u','), 1);

        struct Case {
            const char* what;
            Text typed;
            bool right;
        };
        std::vector<Case> cases = {
            {"exact", expected, true},
            {"trailing blank", expected + u" ", false},
            {"leading blank", u" " + expected, false},
            {"blank after the comma replaced", noBlankAfterComma, false},
            {"line break after the comma", lineBreakAfterComma, false},
            {"a comma missing", lastCommaMissing, false},
            {"no commas at all", Text(Bank().Row(number).ShownText), false},
            {"final line break", expected + u"\n", false},
        };
        if (withE != expected) cases.push_back({"е for ё", withE, false});

        for (const Case& c : cases) {
            SCOPED_TRACE("row " + std::to_string(number) + ": " + c.what);
            Pass pass({number, 1, 2, 3, 4, 5, 6, 7, 8, 9});
            pass.Press(Control::Command2);
            ASSERT_EQ(pass.drill.Order().Slot(1), number);
            pass.Type(c.typed);
            pass.Press(Control::Command4);
            EXPECT_EQ(pass.platform.Caption(Control::Label1), c.right ? "Правильно" : "Ошибка. Ваш ответ:");
            EXPECT_EQ(pass.platform.Caption(Control::Label8), c.right ? "" : Utf8(c.typed));
            EXPECT_EQ(pass.platform.Caption(Control::Label5), c.right ? "" : "1");
        }
    }
}

TEST(RealBank, EYoRowsAreExactlyOneThreeSixEight) {
    std::vector<int> rowsWithYo;
    for (const drill::SentenceItem& row : Bank().Rows()) {
        if (row.ExpectedText.find(u'ё') != drill::TextView::npos) rowsWithYo.push_back(row.Number);
    }
    EXPECT_EQ(rowsWithYo, (std::vector<int>{1, 3, 6, 8}));
}

TEST(RealBank, AWholeRightPassCountsNoErrorAndNumbersTheSentences) {
    Pass pass;
    pass.Press(Control::Command2);
    for (int place = 1; place <= 9; ++place) {
        SCOPED_TRACE("place " + std::to_string(place));
        EXPECT_EQ(pass.platform.Caption(Control::Label7), std::to_string(place));
        EXPECT_EQ(Utf8(pass.platform.text1), Shown(ScriptedOrder[static_cast<std::size_t>(place - 1)]));
        pass.Type(Expected(ScriptedOrder[static_cast<std::size_t>(place - 1)]));
        pass.Press(Control::Command4);
        EXPECT_EQ(pass.platform.Caption(Control::Label1), "Правильно");
        pass.Press(Control::Command5);
    }
    EXPECT_EQ(pass.platform.Messages(), Log{CommaEndLine});
    EXPECT_EQ(pass.drill.ErrorCount(), 0);
    EXPECT_EQ(pass.platform.Caption(Control::Label5), "");
    EXPECT_EQ(pass.platform.Caption(Control::Label7), "9");
    // The box keeps what the pupil typed into the last sentence.
    EXPECT_EQ(Utf8(pass.platform.text1), Expected(4));
}

TEST(RealBank, NineMissedSentencesEndWithNineErrors) {
    enum class Miss { Skip, WrongCheck, WrongThenCorrected };
    for (const Miss miss : {Miss::Skip, Miss::WrongCheck, Miss::WrongThenCorrected}) {
        SCOPED_TRACE(static_cast<int>(miss));
        Pass pass;
        pass.Press(Control::Command2);
        for (int place = 1; place <= 9; ++place) {
            if (miss != Miss::Skip) pass.Press(Control::Command4);
            if (miss == Miss::WrongThenCorrected) pass.Type(Expected(ScriptedOrder[static_cast<std::size_t>(place - 1)]));
            pass.Press(Control::Command5);
            EXPECT_EQ(pass.platform.Caption(Control::Label5), std::to_string(place));
        }
        EXPECT_EQ(pass.platform.Messages(), Log{CommaEndLine});
        EXPECT_EQ(pass.drill.ErrorCount(), 9);

        // Every further press says the pass is over again (or, when the box holds the pupil's
        // corrected text, asks for confirmation); "Начало" does nothing.
        pass.platform.TakeLog();
        pass.Press(Control::Command5);
        pass.Press(Control::Command5);
        pass.Press(Control::Command2);
        const std::string further = miss == Miss::WrongThenCorrected ? ConfirmWarningLine : CommaEndLine;
        EXPECT_EQ(pass.platform.Messages(), (Log{further, further}));
        EXPECT_EQ(pass.platform.Caption(Control::Label5), "9");
        EXPECT_EQ(pass.platform.Caption(Control::Label7), "9");
        EXPECT_EQ(pass.drill.Position(), miss == Miss::WrongThenCorrected ? 10 : 12);
    }
}

TEST(RealBank, ADrawnOrderShowsEverySentenceOnce) {
    RecordingPlatform platform;  // unscripted: the recording platform's own generator draws
    drill::CommaDrill drill(Bank(), u"Luzema", platform);
    drill.StartRound();
    std::vector<int> order;
    std::vector<std::string> shown;
    for (int place = 1; place <= 9; ++place) {
        order.push_back(drill.Order().Slot(place));
        shown.push_back(Utf8(platform.text1));
        EXPECT_EQ(platform.Caption(Control::Label7), std::to_string(place));
        drill.NextItem();
    }
    for (std::size_t k = 0; k < order.size(); ++k) EXPECT_EQ(shown[k], Shown(order[k]));
    std::sort(order.begin(), order.end());
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST(RealBank, RestoreAfterSpoilingThenNextCountsTheSkip) {
    Pass pass;
    pass.Press(Control::Command2);
    pass.Type("");
    pass.Press(Control::Command5);
    EXPECT_EQ(pass.platform.Messages(), Log{ConfirmWarningLine});
    pass.Press(Control::Command3);
    EXPECT_EQ(Utf8(pass.platform.text1), Shown(1));
    pass.Press(Control::Command5);
    EXPECT_EQ(pass.drill.Position(), 2);
    EXPECT_EQ(pass.platform.Caption(Control::Label5), "1");
    EXPECT_EQ(pass.platform.Messages(), Log{ConfirmWarningLine});
}

}  // namespace
}  // namespace luzema
