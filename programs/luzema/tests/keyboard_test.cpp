// A whole pass of Luzema played with the keyboard alone and followed the way a screen reader
// follows it: the sentence, verdicts and counters are read from the accessibility tree.

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

#include "programs/luzema/luzema.h"
#include "tests/support/window_testing.h"
#include "windows/program_windows.h"

namespace luzema {
namespace {

using drill::Control;
using drill::Form;
using drillwin::testing::Accessible;
using drillwin::testing::CloseBy;
using drillwin::testing::SeenMessage;

QString FromUtf16(drill::TextView text) { return QString::fromStdU16String(std::u16string(text)); }

class LuzemaKeyboard : public ::testing::Test {
protected:
    LuzemaKeyboard() { windows.ShowMainWindow(); }

    QWidget* Main() { return windows.Window(Form::Form1); }
    void TabTo(Control control) {
        const std::string_view name = drill::ControlName(control);
        ASSERT_TRUE(drillwin::testing::TabTo(Main(), QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()))));
    }
    // Tabs to the control and presses the key on whatever has the focus then.
    std::vector<SeenMessage> Press(Control control, Qt::Key key, CloseBy closeBy = CloseBy::EnterKey,
                                   Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        TabTo(control);
        QWidget* focused = Main()->focusWidget();
        return drillwin::testing::AnsweringMessages([&] { QTest::keyClick(focused, key, modifiers); }, closeBy);
    }
    QString Heard(Control label) { return Accessible(windows.Label(Form::Form1, label))->text(QAccessible::Name); }
    QString SentenceHeard() { return Accessible(windows.TextBox())->text(QAccessible::Value); }

    drillwin::ProgramWindows windows{Program()};
};

TEST_F(LuzemaKeyboard, WholePassByKeyboardAloneAsAScreenReaderHearsIt) {
    EXPECT_EQ(Heard(Control::Label7), "Предложений:");
    EXPECT_EQ(Heard(Control::Label5), "Сделано  ошибок:");
    EXPECT_EQ(Accessible(windows.TextBox())->role(), QAccessible::EditableText);
    EXPECT_TRUE(Press(Control::Command2, Qt::Key_Space).empty());

    int errors = 0;
    for (int position = 1; position <= 9; ++position) {
        SCOPED_TRACE(position);
        EXPECT_EQ(Heard(Control::Label7), "Предложений: " + QString::number(position));
        const QString shown = SentenceHeard();
        const auto row = std::find_if(Bank().Rows().begin(), Bank().Rows().end(),
                                      [&](const drill::SentenceItem& item) { return FromUtf16(item.ShownText) == shown; });
        ASSERT_NE(row, Bank().Rows().end()) << "the text box reads the sentence on show";
        const QString expected = FromUtf16(row->ExpectedText);

        if (position % 3 == 0) {
            // Enter in the text box types a line break; moving on from the edited sentence unchecked
            // is refused, and the warning closes with Escape.
            Press(Control::Text1, Qt::Key_End, CloseBy::EnterKey, Qt::ControlModifier);
            QTest::keyClick(Main()->focusWidget(), Qt::Key_Return);
            EXPECT_EQ(SentenceHeard(), shown + "\n");
            const std::vector<SeenMessage> warning = Press(Control::Command5, Qt::Key_Return, CloseBy::EscapeKey);
            ASSERT_EQ(warning.size(), 1u);
            EXPECT_TRUE(warning[0].closedAsAsked);
            EXPECT_EQ(warning[0].spokenValue, "Подтвердите Вашу расстановку запятых.");
            Press(Control::Command4, Qt::Key_Return);
            ++errors;
            EXPECT_EQ(Heard(Control::Label1), "Ошибка. Ваш ответ:");
            EXPECT_EQ(Heard(Control::Label8), shown + "\n");
            EXPECT_EQ(Heard(Control::Label5), "Сделано  ошибок: " + QString::number(errors));
        } else {
            // The commas go in with the arrow keys and the comma key.
            Press(Control::Text1, Qt::Key_Home, CloseBy::EnterKey, Qt::ControlModifier);
            QWidget* box = Main()->focusWidget();
            qsizetype at = 0;
            for (const QChar character : expected) {
                if (character == QLatin1Char(',') && shown.at(at) != QLatin1Char(',')) {
                    QTest::keyClick(box, Qt::Key_Comma);
                } else {
                    QTest::keyClick(box, Qt::Key_Right);
                    ++at;
                }
            }
            EXPECT_EQ(SentenceHeard(), expected);
            Press(Control::Command4, position % 2 ? Qt::Key_Space : Qt::Key_Enter);
            EXPECT_EQ(Heard(Control::Label1), "Правильно");
        }

        const std::vector<SeenMessage> seen = Press(Control::Command5, Qt::Key_Return);
        if (position < 9) {
            EXPECT_TRUE(seen.empty());
            EXPECT_EQ(Heard(Control::Label1), "");
        } else {
            ASSERT_EQ(seen.size(), 1u);
            EXPECT_TRUE(seen[0].closedAsAsked) << "the end message closes with Enter";
            EXPECT_EQ(seen[0].spokenName, "Luzema");
            EXPECT_EQ(seen[0].spokenValue, "Опрос окончен.");
        }
    }
    EXPECT_EQ(Heard(Control::Label5), "Сделано  ошибок: 3");
    Press(Control::Command7, Qt::Key_Space);
    EXPECT_TRUE(windows.Ended());
}

}  // namespace
}  // namespace luzema
