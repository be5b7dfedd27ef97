// A whole pass of Luzema played with the keyboard alone and followed the way a screen reader
// follows it: the sentence, verdicts and counters are read from the accessibility tree. Every key
// goes to whatever has the focus, as the desktop sends it.

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/controls.h"
#include "programs/luzema/luzema.h"
#include "tests/support/expected_texts.h"
#include "tests/support/keyboard_testing.h"
#include "windows/program_windows.h"

namespace luzema {
namespace {

using drill::Control;
using drill::Form;
using drillwin::testing::Accessible;
using drillwin::testing::CloseBy;
using drillwin::testing::KeyboardPupil;
using drillwin::testing::SeenMessage;

QString FromUtf16(drill::TextView text) { return QString::fromStdU16String(std::u16string(text)); }

class LuzemaKeyboard : public ::testing::Test {
protected:
    LuzemaKeyboard() { windows.ShowMainWindow(); }

    QString Heard(Control label) { return Accessible(LabelOf(windows, Form::Form1, label))->text(QAccessible::Name); }
    QString SentenceHeard() { return Accessible(TextBoxOf(windows))->text(QAccessible::Value); }
    std::string Described(QWidget* widget) { return Accessible(widget)->text(QAccessible::Description).toStdString(); }

    // The commas go in with the arrow keys and the comma key, from the start of the sentence.
    void TypeCommas(const QString& shown, const QString& expected) {
        pupil.Key(Qt::Key_Home, Qt::ControlModifier);
        qsizetype at = 0;
        for (const QChar character : expected) {
            if (character == QLatin1Char(',') && shown.at(at) != QLatin1Char(',')) {
                pupil.Key(Qt::Key_Comma);
            } else {
                pupil.Key(Qt::Key_Right);
                ++at;
            }
        }
    }

    drillwin::ProgramWindows windows{Program()};
    KeyboardPupil pupil{windows};
};

TEST_F(LuzemaKeyboard, TheSentenceBoxIsNamedAndEachKeyOnItsButton) {
    QAccessibleInterface* box = Accessible(TextBoxOf(windows));
    EXPECT_EQ(box->role(), QAccessible::EditableText);
    EXPECT_EQ(box->text(QAccessible::Name), "Предложение");
    EXPECT_EQ(Described(TextBoxOf(windows)), "Клавиши Ctrl+Enter: Запятые расставлены");
    EXPECT_EQ(Described(ButtonOf(windows, drill::RulesButton)), "Клавиша F1");
    EXPECT_EQ(Described(ButtonOf(windows, drill::StartButton)), "");
    EXPECT_EQ(Described(ButtonOf(windows, drill::RestoreButton)), "");
    EXPECT_EQ(Described(ButtonOf(windows, drill::CheckButton)), "Клавиши Ctrl+Enter");
    EXPECT_EQ(Described(ButtonOf(windows, drill::NextButton)), "Клавиша Enter");
    EXPECT_EQ(Described(ButtonOf(windows, drill::ExitButton)), "");
    windows.ShowWindow(Form::Form2);
    EXPECT_EQ(Described(windows.Window(Form::Form2)), "Клавиша Escape закрывает окно");
    for (const Form form : {Form::Form1, Form::Form2}) {
        for (const QWidget* control : windows.Window(form)->findChildren<QWidget*>()) {
            EXPECT_TRUE(control->toolTip().isEmpty()) << "no text shows that the windows do not have";
        }
    }
}

TEST_F(LuzemaKeyboard, WholePassByKeysAsAScreenReaderHearsIt) {
    EXPECT_EQ(Heard(Control::Label7), "Предложений:");
    EXPECT_EQ(Heard(Control::Label5), "Сделано  ошибок:");
    EXPECT_TRUE(pupil.TabAndPress(drill::StartButton, Qt::Key_Space).empty());

    int errors = 0;
    for (int position = 1; position <= 9; ++position) {
        SCOPED_TRACE(position);
        EXPECT_EQ(Heard(Control::Label7), "Предложений: " + QString::number(position));
        EXPECT_EQ(pupil.Focused(), "Text1") << "the pupil types at once";
        const QString shown = SentenceHeard();
        const auto row = std::find_if(Bank().Rows().begin(), Bank().Rows().end(),
                                      [&](const drill::SentenceItem& item) { return FromUtf16(item.ShownText) == shown; });
        ASSERT_NE(row, Bank().Rows().end()) << "the text box reads the sentence on show";
        const QString expected = FromUtf16(row->ExpectedText);
        const bool keypad = position % 2 == 0;
        const Qt::Key enter = keypad ? Qt::Key_Enter : Qt::Key_Return;
        const Qt::KeyboardModifiers place = keypad ? Qt::KeypadModifier : Qt::NoModifier;

        switch (position % 3) {
            case 0: {
                // Enter alone types a line break. On the next button it does not move on from an
                // unchecked sentence; Space does, and is refused for the edited sentence.
                pupil.Key(Qt::Key_End, Qt::ControlModifier);
                EXPECT_TRUE(pupil.Key(enter, place).empty());
                EXPECT_EQ(SentenceHeard(), shown + "\n");
                EXPECT_TRUE(pupil.TabAndPress(drill::NextButton, Qt::Key_Return).empty());
                const std::vector<SeenMessage> warning = pupil.Key(Qt::Key_Space, Qt::NoModifier, CloseBy::EscapeKey);
                ASSERT_EQ(warning.size(), 1u);
                EXPECT_TRUE(warning[0].closedAsAsked);
                EXPECT_EQ(warning[0].spokenValue, "Подтвердите Вашу расстановку запятых.");
                EXPECT_EQ(Heard(Control::Label7), "Предложений: " + QString::number(position));
                EXPECT_EQ(pupil.Focused(), "Text1") << "back to the sentence";
                EXPECT_TRUE(pupil.Key(enter, place | Qt::ControlModifier).empty());
                ++errors;
                EXPECT_EQ(Heard(Control::Label1), "Ошибка. Ваш ответ:");
                EXPECT_EQ(Heard(Control::Label8), shown + "\n");
                EXPECT_EQ(Heard(Control::Label5), "Сделано  ошибок: " + QString::number(errors));
                break;
            }
            case 1: {
                // The rules before the check are refused; the warning closes with Escape and the
                // pupil goes on typing where they were.
                const std::vector<SeenMessage> warning = pupil.Key(Qt::Key_F1, Qt::NoModifier, CloseBy::EscapeKey);
                ASSERT_EQ(warning.size(), 1u);
                EXPECT_TRUE(warning[0].closedAsAsked);
                EXPECT_EQ(warning[0].spokenValue, QString::fromStdString(expected::RulesWarning));
                EXPECT_EQ(pupil.Focused(), "Text1");
                TypeCommas(shown, expected);
                EXPECT_EQ(SentenceHeard(), expected);
                EXPECT_TRUE(pupil.Key(enter, place | Qt::ControlModifier).empty());
                EXPECT_EQ(Heard(Control::Label1), "Правильно");
                break;
            }
            case 2: {
                // After the check the rules open by F1 and close by Escape.
                TypeCommas(shown, expected);
                EXPECT_TRUE(pupil.Key(enter, place | Qt::ControlModifier).empty());
                EXPECT_EQ(Heard(Control::Label1), "Правильно");
                EXPECT_TRUE(pupil.Key(Qt::Key_F1).empty());
                EXPECT_TRUE(windows.Window(Form::Form2) && windows.Window(Form::Form2)->isVisible());
                pupil.EscapeBackToMain(Form::Form2);
                break;
            }
        }
        EXPECT_EQ(pupil.Focused(), "Command5") << "Enter takes the next sentence from here";

        const std::vector<SeenMessage> seen = pupil.Key(enter, place);
        if (position < 9) {
            EXPECT_TRUE(seen.empty());
            EXPECT_EQ(Heard(Control::Label1), "");
            EXPECT_EQ(Heard(Control::Label7), "Предложений: " + QString::number(position + 1));
        } else {
            ASSERT_EQ(seen.size(), 1u);
            EXPECT_TRUE(seen[0].closedAsAsked) << "the end message closes with Enter";
            EXPECT_EQ(seen[0].spokenName, "Luzema");
            EXPECT_EQ(seen[0].spokenValue, "Опрос окончен.");
        }
    }
    EXPECT_EQ(Heard(Control::Label5), "Сделано  ошибок: 3");
    pupil.TabAndPress(drill::ExitButton, Qt::Key_Space);
    EXPECT_TRUE(windows.Ended());
}

}  // namespace
}  // namespace luzema
