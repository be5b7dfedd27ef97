// A whole round of Tavrel played with the keyboard alone and followed the way a screen reader
// follows it: every text is read from the accessibility tree, never from the widgets.

#include <QApplication>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

#include "programs/tavrel/tavrel.h"
#include "tests/support/window_testing.h"
#include "windows/program_windows.h"

namespace tavrel {
namespace {

using drill::Control;
using drill::Form;
using drillwin::testing::Accessible;
using drillwin::testing::CloseBy;
using drillwin::testing::SeenMessage;

class TavrelKeyboard : public ::testing::Test {
protected:
    TavrelKeyboard() { windows.ShowMainWindow(); }

    // Tabs to the button and presses the key on whatever has the focus then.
    std::vector<SeenMessage> Press(Control button, Qt::Key key, CloseBy closeBy = CloseBy::EnterKey) {
        QWidget* main = windows.Window(Form::Form1);
        const std::string_view name = drill::ControlName(button);
        EXPECT_TRUE(drillwin::testing::TabTo(main, QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()))));
        return drillwin::testing::PressKey(main->focusWidget(), key, closeBy);
    }
    QString Heard(Control label) { return Accessible(windows.Label(Form::Form1, label))->text(QAccessible::Name); }

    drillwin::ProgramWindows windows{Program()};
};

TEST_F(TavrelKeyboard, WholeRoundByKeyboardAloneAsAScreenReaderHearsIt) {
    EXPECT_EQ(Heard(Control::Label7), "Задано вопросов:");
    EXPECT_EQ(Heard(Control::Label5), "Сделано  ошибок:");
    EXPECT_TRUE(Press(Control::Command2, Qt::Key_Space).empty());

    int errors = 0;
    for (int position = 1; position <= 23; ++position) {
        SCOPED_TRACE(position);
        EXPECT_EQ(Heard(Control::Label7), "Задано вопросов: " + QString::number(position));
        const std::u16string prompt = Heard(Control::Label1).toStdU16String();
        const auto row = std::find_if(Profile.Bank.Rows().begin(), Profile.Bank.Rows().end(),
                                      [&](const drill::DrillItem& item) { return item.Prompt == prompt; });
        ASSERT_NE(row, Profile.Bank.Rows().end()) << "the item label reads the word with its gap";
        const bool firstIsRight = row->CorrectOption == Profile.FirstOption;
        const Control right = firstIsRight ? Control::Command3 : Control::Command4;
        const Control wrong = firstIsRight ? Control::Command4 : Control::Command3;

        if (position % 3 == 0) {
            // Asking for the rules before answering is refused; the warning closes with Escape.
            const std::vector<SeenMessage> warning = Press(Control::Command1, Qt::Key_Return, CloseBy::EscapeKey);
            ASSERT_EQ(warning.size(), 1u);
            EXPECT_TRUE(warning[0].closedAsAsked);
            EXPECT_EQ(warning[0].spokenValue, "Вначале дайте ответ, затем можете повторить правило.");
            Press(wrong, Qt::Key_Return);
            ++errors;
            EXPECT_EQ(Heard(Control::Label8), "Была ошибка");
            EXPECT_EQ(Heard(Control::Label5), "Сделано  ошибок: " + QString::number(errors));
        } else {
            Press(right, position % 2 ? Qt::Key_Space : Qt::Key_Enter);
            EXPECT_EQ(Heard(Control::Label8), "");
        }
        EXPECT_EQ(Heard(Control::Label1).toStdU16String(), row->FullText) << "the item label reads the whole word";

        const std::vector<SeenMessage> seen = Press(Control::Command5, Qt::Key_Return);
        if (position < 23) {
            EXPECT_TRUE(seen.empty());
        } else {
            ASSERT_EQ(seen.size(), 1u);
            EXPECT_TRUE(seen[0].closedAsAsked) << "the end message closes with Enter";
            EXPECT_EQ(seen[0].spokenName, "Tavrel");
            EXPECT_EQ(seen[0].spokenValue, "Опрос окончен.");
        }
    }
    EXPECT_EQ(Heard(Control::Label5), "Сделано  ошибок: 7");

    // After the round the rules open by keyboard, and "Выход" ends the program.
    EXPECT_TRUE(Press(Control::Command1, Qt::Key_Space).empty());
    ASSERT_NE(windows.Window(Form::Form2), nullptr);
    EXPECT_TRUE(windows.Window(Form::Form2)->isVisible());
    Press(Control::Command7, Qt::Key_Return);
    EXPECT_TRUE(windows.Ended());
}

}  // namespace
}  // namespace tavrel
