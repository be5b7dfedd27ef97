#include <QAbstractButton>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include "programs/tavrel/tavrel.h"
#include "tests/support/window_testing.h"
#include "windows/program_windows.h"

namespace tavrel {
namespace {

using drill::Control;
using drill::Form;
using drillwin::ProgramWindows;
using drillwin::testing::Click;
using drillwin::testing::SeenMessage;

QString Text(const ProgramWindows& windows, Control label, Form form = Form::Form1) {
    const QLabel* target = windows.Label(form, label);
    return target ? target->text() : QStringLiteral("<no label>");
}

// The bank row whose prompt stands in Label1.
const drill::DrillItem& RowOnShow(const ProgramWindows& windows) {
    const std::u16string prompt = Text(windows, Control::Label1).toStdU16String();
    for (const drill::DrillItem& row : Profile.Bank.Rows()) {
        if (row.Prompt == prompt) return row;
    }
    ADD_FAILURE() << "no row has the prompt " << Text(windows, Control::Label1).toStdString();
    return Profile.Bank.Row(1);
}

class TavrelWindows : public ::testing::Test {
protected:
    TavrelWindows() { windows.ShowMainWindow(); }
    QAbstractButton* Button(Control name) { return windows.Button(name); }

    ProgramWindows windows{Program()};
};

TEST_F(TavrelWindows, MainWindowMatchesItsTable) {
    drillwin::testing::ExpectMatchesLayout(windows.Window(Form::Form1), Forms[0]);
}

TEST_F(TavrelWindows, RulesWindowMatchesItsTable) {
    Click(Button(Control::Command1));
    drillwin::testing::ExpectMatchesLayout(windows.Window(Form::Form2), Forms[1]);
}

TEST_F(TavrelWindows, FocusStartsOnTheRulesButtonAndFollowsTheTabIndexes) {
    EXPECT_EQ(drillwin::testing::FocusWalk(windows.Window(Form::Form1)),
              (std::vector<std::string>{"Command1", "Command2", "Command3", "Command4", "Command5", "Command7"}));
}

TEST_F(TavrelWindows, WholeRoundByClicks) {
    EXPECT_TRUE(Click(Button(Control::Command2)).empty());
    int errors = 0;
    for (int position = 1; position <= 23; ++position) {
        ASSERT_EQ(Text(windows, Control::Label7), QString::number(position));
        const drill::DrillItem& row = RowOnShow(windows);
        const bool firstIsRight = row.CorrectOption == Profile.FirstOption;
        const Control right = firstIsRight ? Control::Command3 : Control::Command4;
        const Control wrong = firstIsRight ? Control::Command4 : Control::Command3;
        switch (position % 4) {
            case 0:  // right
                Click(Button(right));
                EXPECT_EQ(Text(windows, Control::Label8), "");
                break;
            case 1:  // wrong, then right: one error
                Click(Button(wrong));
                Click(Button(right));
                ++errors;
                EXPECT_EQ(Text(windows, Control::Label8), "Была ошибка");
                break;
            case 2:  // right, then wrong: none
                Click(Button(right));
                Click(Button(wrong));
                EXPECT_EQ(Text(windows, Control::Label8), "");
                break;
            case 3:  // skipped
                break;
        }
        if (position % 4 != 3) {
            EXPECT_EQ(Text(windows, Control::Label1).toStdU16String(), row.FullText);
        }
        const std::vector<SeenMessage> seen = Click(Button(Control::Command5));
        if (position % 4 == 3) ++errors;
        EXPECT_EQ(Text(windows, Control::Label5), errors ? QString::number(errors) : QString());
        EXPECT_EQ(Text(windows, Control::Label8), "");
        if (position < 23) {
            EXPECT_TRUE(seen.empty());
        } else {
            ASSERT_EQ(seen.size(), 1u);
            EXPECT_EQ(seen[0].text, "Опрос окончен.");
            EXPECT_EQ(seen[0].title, "Tavrel");
            EXPECT_EQ(seen[0].icon, QMessageBox::Information);
        }
    }
    EXPECT_EQ(Text(windows, Control::Label7), "23");
    // After the end: "Начало" does nothing, the end message repeats.
    EXPECT_TRUE(Click(Button(Control::Command2)).empty());
    EXPECT_EQ(Click(Button(Control::Command5)).size(), 1u);
}

TEST_F(TavrelWindows, RulesGuardWarnsAndTheWindowIsReusedAndReopened) {
    Click(Button(Control::Command2));
    const std::vector<SeenMessage> seen = Click(Button(Control::Command1));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "Вначале дайте ответ, затем можете повторить правило.");
    EXPECT_EQ(seen[0].title, "Tavrel");
    EXPECT_EQ(seen[0].icon, QMessageBox::Warning);
    EXPECT_EQ(windows.Window(Form::Form2), nullptr);

    Click(Button(Control::Command3));
    EXPECT_TRUE(Click(Button(Control::Command1)).empty());
    QWidget* rules = windows.Window(Form::Form2);
    ASSERT_NE(rules, nullptr);
    EXPECT_TRUE(rules->isVisible());
    Click(Button(Control::Command1));
    EXPECT_EQ(windows.Window(Form::Form2), rules) << "one rules window, reused";

    rules->close();
    QApplication::processEvents();
    EXPECT_EQ(windows.Window(Form::Form2), nullptr);
    Click(Button(Control::Command1));
    ASSERT_NE(windows.Window(Form::Form2), nullptr);
    EXPECT_TRUE(windows.Window(Form::Form2)->isVisible());
    EXPECT_EQ(Text(windows, Control::Label1, Form::Form2), "При-");
}

TEST_F(TavrelWindows, LabelsShowMarkupLiterally) {
    windows.SetCaption(Form::Form1, Control::Label1, u"<b>пр_тих</b> <img src=x>");
    EXPECT_EQ(Text(windows, Control::Label1), "<b>пр_тих</b> <img src=x>");
    EXPECT_EQ(windows.Label(Form::Form1, Control::Label1)->textFormat(), Qt::PlainText);
}

TEST_F(TavrelWindows, ExitEndsTheProgramWithEveryWindow) {
    Click(Button(Control::Command1));
    ASSERT_NE(windows.Window(Form::Form2), nullptr);
    Click(Button(Control::Command7));
    QApplication::processEvents();
    EXPECT_TRUE(windows.Ended());
    EXPECT_EQ(windows.Window(Form::Form2), nullptr);
    EXPECT_FALSE(windows.Window(Form::Form1)->isVisible());
}

TEST_F(TavrelWindows, ClosingTheMainWindowEndsTheProgram) {
    Click(Button(Control::Command1));
    windows.Window(Form::Form1)->close();
    QApplication::processEvents();
    EXPECT_TRUE(windows.Ended());
    EXPECT_EQ(windows.Window(Form::Form2), nullptr) << "no rules window is left without its main window";
}

}  // namespace
}  // namespace tavrel
