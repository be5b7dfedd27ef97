// The real Fendrok windows on the offscreen platform, against what their design shows.

#include <QLabel>

#include <gtest/gtest.h>

#include "programs/fendrok/fendrok.h"
#include "tests/support/window_testing.h"
#include "windows/picture_store.h"
#include "windows/program_windows.h"

namespace fendrok {
namespace {

using drill::Form;
using namespace drillui::rows;

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
    // Its blanks doubled, as the window was drawn.
    EXPECT_EQ(label->text(), QString::fromUtf8(Rule));
    EXPECT_LE(label->heightForWidth(label->width()), label->height()) << "the rule must not be cut off";
}

}  // namespace
}  // namespace fendrok
