// Gondila's real windows on the offscreen platform.

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include "programs/gondila/gondila.h"
#include "tests/support/case_name.h"
#include "tests/support/tallied_windows_suite.h"
#include "tests/support/window_testing.h"
#include "windows/design_units.h"
#include "windows/form_window.h"
#include "windows/program_windows.h"
#include "windows/text.h"

namespace gondila {
namespace {

using drill::Control;
using drill::Form;
using drill::testing::CaseName;
using drillwin::testing::TalliedWindows;
using drillwin::testing::TalliedWindowsTest;

INSTANTIATE_TEST_SUITE_P(Gondila, TalliedWindowsTest, ::testing::Values(TalliedWindows{"Gondila", &Program(), &Profile}),
                         CaseName());

class GondilaWindows : public drillwin::testing::StartedProgramTest<&Program> {
protected:
    QImage RulesWindow() { return windows.Window(Form::Form2)->grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

// What the rules window must look like: its pale ground with the ten lines, each beginning at its
// point, in the window's font and text colour.
QImage ExpectedRules(const QWidget& window) {
    const drillui::FormLayout& layout = Forms[1];
    QImage image(window.size(), QImage::Format_RGB32);
    image.fill(drillwin::MakeColour(layout.back, Qt::white));
    QPainter painter(&image);
    const QFont font = drillwin::MakeFont(layout.font, layout.font);
    painter.setFont(font);
    painter.setPen(drillwin::MakeColour(layout.fore, Qt::black));
    const int ascent = QFontMetrics(font).ascent();
    for (const drill::RuleLine& line : Profile.RuleLines) {
        painter.drawText(drillwin::Pixels(line.X), drillwin::Pixels(line.Y) + ascent,
                         drillwin::ToQString(line.Text));
    }
    return image;
}

TEST_F(GondilaWindows, RulesWindowOpensEmptyAndShowsTheTenLines) {
    Press(Control::Command1);
    QWidget* rules = windows.Window(Form::Form2);
    ASSERT_NE(rules, nullptr);
    EXPECT_TRUE(rules->findChildren<QWidget*>().isEmpty()) << "the rules window has no controls";
    EXPECT_TRUE(RulesWindow() == ExpectedRules(*rules));
}

TEST_F(GondilaWindows, EveryRuleLineFitsTheWindow) {
    const QFontMetrics metrics(drillwin::MakeFont(Forms[1].font, Forms[1].font));
    for (const drill::RuleLine& line : Profile.RuleLines) {
        const QString text = drillwin::ToQString(line.Text);
        EXPECT_LE(drillwin::Pixels(line.X) + metrics.horizontalAdvance(text), drillwin::Pixels(Forms[1].width))
            << text.toStdString();
        EXPECT_LE(drillwin::Pixels(line.Y) + metrics.height(), drillwin::Pixels(Forms[1].height)) << text.toStdString();
    }
}

TEST_F(GondilaWindows, SecondPressLeavesTheRulesLookingTheSame) {
    Press(Control::Command1);
    const QWidget* rules = windows.Window(Form::Form2);
    const QImage once = RulesWindow();
    Press(Control::Command1);
    EXPECT_EQ(windows.Window(Form::Form2), rules) << "one rules window, reused";
    EXPECT_TRUE(RulesWindow() == once) << "written again over the same text, without smearing";
}

TEST_F(GondilaWindows, RulesStayReadableWhenTheWindowIsRepainted) {
    Press(Control::Command1);
    QWidget* rules = windows.Window(Form::Form2);
    const QImage expected = ExpectedRules(*rules);
    // A window uncovered repaints from scratch; the lines must come back with it.
    rules->hide();
    rules->show();
    rules->repaint();
    EXPECT_TRUE(RulesWindow() == expected);
}

TEST_F(GondilaWindows, RulesComeBackAfterTheWindowIsClosedAndReopened) {
    Press(Control::Command1);
    windows.Window(Form::Form2)->close();
    QApplication::processEvents();
    ASSERT_EQ(windows.Window(Form::Form2), nullptr);
    Press(Control::Command1);
    ASSERT_NE(windows.Window(Form::Form2), nullptr);
    EXPECT_TRUE(RulesWindow() == ExpectedRules(*windows.Window(Form::Form2)));
}

}  // namespace
}  // namespace gondila
