// Mirskav's rules window on the offscreen platform.

#include <QLabel>

#include <gtest/gtest.h>

#include "programs/mirskav/mirskav.h"
#include "tests/support/window_testing.h"
#include "windows/program_windows.h"

namespace mirskav {
namespace {

using drill::Control;
using drill::Form;
using MirskavWindows = drillwin::testing::StartedProgramTest<&Program>;

TEST_F(MirskavWindows, RulesWindowHoldsTheThreeRulesInOrder) {
    Press(Control::Command1);
    QWidget* rules = windows.Window(Form::Form2);
    ASSERT_NE(rules, nullptr);
    EXPECT_EQ(rules->findChildren<QLabel*>().size(), 3);
    int previousBottom = 0;
    const char* const numbers[] = {"1) ", "2) ", "3) "};
    const Control labels[] = {Control::Label1, Control::Label2, Control::Label3};
    for (int rule = 0; rule < 3; ++rule) {
        const QLabel* label = LabelOf(windows, Form::Form2, labels[rule]);
        ASSERT_NE(label, nullptr);
        EXPECT_TRUE(label->text().startsWith(numbers[rule])) << label->text().toStdString();
        EXPECT_GE(label->y(), previousBottom) << "the rules stand one below the other";
        previousBottom = label->geometry().bottom();
    }
    // The adverb rule names the adverbs in the prepositional case, its letters set apart by two blanks.
    EXPECT_TRUE(LabelOf(windows, Form::Form2, Control::Label3)->text().startsWith("3) В наречиях на  -О  и  -Е  пишется"));
}

}  // namespace
}  // namespace mirskav
