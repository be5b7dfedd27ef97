// The real Fendrok windows on the offscreen platform, clicked as a pupil clicks them.

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>

#include <gtest/gtest.h>

#include "programs/fendrok/fendrok.h"
#include "tests/support/expected_texts.h"
#include "tests/support/window_testing.h"
#include "windows/form_window.h"
#include "windows/picture_store.h"
#include "windows/program_windows.h"
#include "windows/text.h"

namespace fendrok {
namespace {

using drill::Control;
using drill::Form;
using drillwin::testing::SeenMessage;
using namespace drillui::rows;

const QString Title = QStringLiteral("Правописание Fendrok на -о и -е");
constexpr const char* Rule =
    "В наречиях  на  -о  и  -е  пишется  столько  же  -н-, сколько в прилагательных, от которых они образованы.";

// Colours as RGB, read off the drawn windows independently of the tables' &H00BBGGRR& values.
const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 192);

using FendrokWindows = drillwin::testing::StartedProgramTest<&Program>;

TEST_F(FendrokWindows, MainWindowIsAsDrawn) {
    ASSERT_NE(Main(), nullptr);
    EXPECT_TRUE(Main()->isVisible());
    EXPECT_EQ(Main()->palette().color(QPalette::WindowText), Red);
    EXPECT_FALSE(Main()->windowIcon().isNull());
    EXPECT_EQ(Main()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), 14);
    EXPECT_EQ(Button(Command6), nullptr) << "Fendrok has no result button";
}

TEST_F(FendrokWindows, PicturesAreCompiledIn) {
    EXPECT_EQ(drillwin::StoredDrawing(QStringLiteral(":/fendrok/background.svg@1x")).size(), QSize(707, 488));
    EXPECT_EQ(drillwin::StoredDrawing(QStringLiteral(":/fendrok/icon.svg@16px")).size(), QSize(16, 16));
}

TEST_F(FendrokWindows, RulesWindowIsAsDrawnAndItsTextFits) {
    EXPECT_TRUE(Press(Command1).empty());
    QWidget* rules = windows.Window(Form::Form2);
    ASSERT_NE(rules, nullptr);
    EXPECT_TRUE(rules->isVisible());
    EXPECT_EQ(rules->palette().color(QPalette::WindowText), Blue);
    EXPECT_FALSE(rules->windowIcon().isNull());
    EXPECT_EQ(rules->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), 1);

    const QLabel* label = LabelOf(windows, Form::Form2, Label1);
    ASSERT_NE(label, nullptr);
    EXPECT_LE(label->heightForWidth(label->width()), label->height()) << "the rule must not be cut off";
}

TEST_F(FendrokWindows, EveryWordFitsItsLabel) {
    const QLabel* word = LabelOf(windows, Form::Form1, Label1);
    ASSERT_NE(word, nullptr);
    const QFontMetrics metrics(word->font());
    for (const drill::DrillItem& row : Profile.Bank.Rows()) {
        for (const std::u16string_view text : {row.Prompt, row.FullText}) {
            const QString shown = drillwin::ToQString(text);
            EXPECT_LT(metrics.horizontalAdvance(shown), word->contentsRect().width()) << shown.toStdString();
        }
    }
    for (const Control label : {Label2, Label4, Label6}) {
        const QLabel* heading = LabelOf(windows, Form::Form1, label);
        EXPECT_LE(QFontMetrics(heading->font()).horizontalAdvance(heading->text()), heading->contentsRect().width())
            << heading->text().toStdString();
    }
}

TEST_F(FendrokWindows, FocusStartsOnTheRuleButtonAndFollowsTheTabIndexes) {
    EXPECT_EQ(drillwin::testing::FocusWalk(Main()),
              (std::vector<std::string>{"Command1", "Command2", "Command3", "Command4", "Command5", "Command7"}));
}

TEST_F(FendrokWindows, BeforeTheStartOnlyTheRuleButtonDoesAnything) {
    for (const Control button : {Command3, Command4, Command5}) {
        EXPECT_TRUE(Press(button).empty());
    }
    for (const Control label : {Label1, Label5, Label7, Label8}) {
        EXPECT_EQ(Text(label), "") << drill::ControlName(label);
    }
    EXPECT_TRUE(Press(Command1).empty());
    EXPECT_NE(windows.Window(Form::Form2), nullptr);
}

TEST_F(FendrokWindows, RuleButtonWarnsWhileAWordWaitsThenOpensOneReusedWindow) {
    Press(Command2);
    const std::vector<SeenMessage> seen = Press(Command1);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, QString::fromStdString(expected::RulesWarning));
    EXPECT_EQ(seen[0].title, Title);
    EXPECT_EQ(seen[0].icon, QMessageBox::Warning);
    EXPECT_EQ(windows.Window(Form::Form2), nullptr);

    Press(Command4);
    EXPECT_TRUE(Press(Command1).empty());
    QWidget* rules = windows.Window(Form::Form2);
    ASSERT_NE(rules, nullptr);
    Press(Command1);
    EXPECT_EQ(windows.Window(Form::Form2), rules) << "one rules window, reused";

    // The main window stays usable while the rules are open.
    EXPECT_TRUE(Press(Command5).empty());
    EXPECT_EQ(Text(Label7), "2");
    EXPECT_TRUE(rules->isVisible());

    rules->close();
    QApplication::processEvents();
    Press(Command3);
    Press(Command1);
    ASSERT_NE(windows.Window(Form::Form2), nullptr);
    EXPECT_EQ(Text(Label1, Form::Form2), QString::fromUtf8(Rule));
}

}  // namespace
}  // namespace fendrok
