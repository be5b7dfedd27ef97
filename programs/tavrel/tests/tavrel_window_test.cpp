#include <QAbstractButton>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include "programs/tavrel/tavrel.h"
#include "tests/support/expected_texts.h"
#include "tests/support/window_testing.h"
#include "windows/program_windows.h"

namespace tavrel {
namespace {

using drill::Control;
using drill::Form;
using drillwin::testing::SeenMessage;

using TavrelWindows = drillwin::testing::StartedProgramTest<&Program>;

TEST_F(TavrelWindows, FocusStartsOnTheRulesButtonAndFollowsTheTabIndexes) {
    EXPECT_EQ(drillwin::testing::FocusWalk(windows.Window(Form::Form1)),
              (std::vector<std::string>{"Command1", "Command2", "Command3", "Command4", "Command5", "Command7"}));
}

TEST_F(TavrelWindows, RulesGuardWarnsAndTheWindowIsReusedAndReopened) {
    Press(Control::Command2);
    const std::vector<SeenMessage> seen = Press(Control::Command1);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, QString::fromStdString(expected::RulesWarning));
    EXPECT_EQ(seen[0].title, "Tavrel");
    EXPECT_EQ(seen[0].icon, QMessageBox::Warning);
    EXPECT_EQ(windows.Window(Form::Form2), nullptr);

    Press(Control::Command3);
    EXPECT_TRUE(Press(Control::Command1).empty());
    QWidget* rules = windows.Window(Form::Form2);
    ASSERT_NE(rules, nullptr);
    EXPECT_TRUE(rules->isVisible());
    Press(Control::Command1);
    EXPECT_EQ(windows.Window(Form::Form2), rules) << "one rules window, reused";

    rules->close();
    QApplication::processEvents();
    EXPECT_EQ(windows.Window(Form::Form2), nullptr);
    Press(Control::Command1);
    ASSERT_NE(windows.Window(Form::Form2), nullptr);
    EXPECT_TRUE(windows.Window(Form::Form2)->isVisible());
    EXPECT_EQ(Text(Control::Label1, Form::Form2), "При-");
}

TEST_F(TavrelWindows, LabelsShowMarkupLiterally) {
    windows.SetCaption(Form::Form1, Control::Label1, u"<b>пр_тих</b> <img src=x>");
    EXPECT_EQ(Text(Control::Label1), "<b>пр_тих</b> <img src=x>");
    EXPECT_EQ(LabelOf(windows, Form::Form1, Control::Label1)->textFormat(), Qt::PlainText);
}

TEST_F(TavrelWindows, ClosingTheMainWindowEndsTheProgram) {
    Press(Control::Command1);
    windows.Window(Form::Form1)->close();
    QApplication::processEvents();
    EXPECT_TRUE(windows.Ended());
    EXPECT_EQ(windows.Window(Form::Form2), nullptr) << "no rules window is left without its main window";
}

}  // namespace
}  // namespace tavrel
