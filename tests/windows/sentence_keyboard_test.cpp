// The keyboard of the sentence drills, on their real windows: a whole pass played with the keyboard
// alone and followed the way a screen reader follows it, the sentence, verdicts and counters read
// from the accessibility tree. Every key goes to whatever has the focus, as the desktop sends it.

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/comma_drill.h"
#include "engine/controls.h"
#include "tests/model/programs_under_test.h"
#include "tests/support/expected_texts.h"
#include "tests/support/keyboard_testing.h"
#include "windows/program_windows.h"

namespace drillwin::testing {
namespace {

using drill::Control;
using drill::Form;
QString FromUtf16(drill::TextView text) { return QString::fromStdU16String(std::u16string(text)); }
QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

class SentenceKeyboard : public ::testing::TestWithParam<const model::ProgramUnderTest*> {
protected:
    SentenceKeyboard() { windows.ShowMainWindow(); }

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

    // What a counter is heard as: its heading, then its value.
    QString Position(int position) const { return FromUtf8(facts.PositionHeading) + " " + QString::number(position); }
    QString Errors(int errors) const { return FromUtf8(expected::ErrorCountHeading) + " " + QString::number(errors); }

    const model::ProgramFacts& facts = GetParam()->Facts;
    ProgramWindows windows{*GetParam()->Windows};
    KeyboardPupil pupil{windows};
};

TEST_P(SentenceKeyboard, TheSentenceBoxIsNamedAndEachKeyOnItsButton) {
    QAccessibleInterface* box = Accessible(TextBoxOf(windows));
    EXPECT_EQ(box->role(), QAccessible::EditableText);
    EXPECT_EQ(box->text(QAccessible::Name).toStdString(), expected::AnswerBoxNamed);
    EXPECT_EQ(Described(TextBoxOf(windows)), expected::AnswerBoxKeysNamed);
    EXPECT_EQ(Described(ButtonOf(windows, drill::RulesButton)), expected::RulesKeyNamed);
    EXPECT_EQ(Described(ButtonOf(windows, drill::StartButton)), "");
    EXPECT_EQ(Described(ButtonOf(windows, drill::RestoreButton)), "");
    EXPECT_EQ(Described(ButtonOf(windows, drill::CheckButton)), expected::SubmitKeysNamed);
    EXPECT_EQ(Described(ButtonOf(windows, drill::NextButton)), expected::NextKeyNamed);
    EXPECT_EQ(Described(ButtonOf(windows, drill::ExitButton)), "");
    windows.ShowWindow(Form::Form2);
    EXPECT_EQ(Described(windows.Window(Form::Form2)), expected::WindowKeysNamed);
    for (const Form form : {Form::Form1, Form::Form2}) {
        for (const QWidget* control : windows.Window(form)->findChildren<QWidget*>()) {
            EXPECT_TRUE(control->toolTip().isEmpty()) << "no text shows that the windows do not have";
        }
    }
}

TEST_P(SentenceKeyboard, WholePassByKeysAsAScreenReaderHearsIt) {
    EXPECT_EQ(Heard(Control::Label7), FromUtf8(facts.PositionHeading));
    EXPECT_EQ(Heard(Control::Label5), FromUtf8(expected::ErrorCountHeading));
    EXPECT_TRUE(pupil.TabAndPress(drill::StartButton, Qt::Key_Space).empty());

    int errors = 0;
    for (int position = 1; position <= facts.N; ++position) {
        SCOPED_TRACE(position);
        EXPECT_EQ(Heard(Control::Label7), Position(position));
        EXPECT_EQ(pupil.Focused(), "Text1") << "the pupil types at once";
        const QString shown = SentenceHeard();
        const auto row = std::find_if(facts.Sentences.begin(), facts.Sentences.end(),
                                      [&](const model::Sentence& item) { return FromUtf16(item.ShownText) == shown; });
        ASSERT_NE(row, facts.Sentences.end()) << "the text box reads the sentence on show";
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
                EXPECT_EQ(warning[0].spokenValue, FromUtf8(expected::ConfirmWarning));
                EXPECT_EQ(Heard(Control::Label7), Position(position));
                EXPECT_EQ(pupil.Focused(), "Text1") << "back to the sentence";
                EXPECT_TRUE(pupil.Key(enter, place | Qt::ControlModifier).empty());
                ++errors;
                EXPECT_EQ(Heard(Control::Label1), FromUtf8(expected::WrongVerdict));
                EXPECT_EQ(Heard(Control::Label8), shown + "\n");
                EXPECT_EQ(Heard(Control::Label5), Errors(errors));
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
                EXPECT_EQ(Heard(Control::Label1), FromUtf8(expected::RightVerdict));
                break;
            }
            case 2: {
                // After the check the rules open by F1 and close by Escape.
                TypeCommas(shown, expected);
                EXPECT_TRUE(pupil.Key(enter, place | Qt::ControlModifier).empty());
                EXPECT_EQ(Heard(Control::Label1), FromUtf8(expected::RightVerdict));
                EXPECT_TRUE(pupil.Key(Qt::Key_F1).empty());
                EXPECT_TRUE(windows.Window(Form::Form2) && windows.Window(Form::Form2)->isVisible());
                pupil.EscapeBackToMain(Form::Form2);
                break;
            }
        }
        EXPECT_EQ(pupil.Focused(), "Command5") << "Enter takes the next sentence from here";

        const std::vector<SeenMessage> seen = pupil.Key(enter, place);
        if (position < facts.N) {
            EXPECT_TRUE(seen.empty());
            EXPECT_EQ(Heard(Control::Label1), "");
            EXPECT_EQ(Heard(Control::Label7), Position(position + 1));
        } else {
            ASSERT_EQ(seen.size(), 1u);
            EXPECT_TRUE(seen[0].closedAsAsked) << "the end message closes with Enter";
            EXPECT_EQ(seen[0].spokenName, FromUtf16(facts.Title));
            EXPECT_EQ(seen[0].spokenValue, FromUtf16(facts.EndMessage));
        }
    }
    EXPECT_EQ(Heard(Control::Label5), Errors(facts.N / 3));
    pupil.TabAndPress(drill::ExitButton, Qt::Key_Space);
    EXPECT_TRUE(windows.Ended());
}

INSTANTIATE_TEST_SUITE_P(SentenceDrills, SentenceKeyboard, ::testing::ValuesIn(model::Programs(model::Variant::Comma)),
                         model::ProgramName());

}  // namespace
}  // namespace drillwin::testing
