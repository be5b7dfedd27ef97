// The keyboard of the four choice drills, on their real windows: one suite, fed with each program's
// answer keys as a pupil presses them, with the Russian layout active and with a Latin one. Every key
// goes where the pupil's key goes, to whatever has the focus in the active window; the labels are
// read as the pupil sees them and as a screen reader hears them.

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "engine/controls.h"
#include "engine/drill_session.h"
#include "tests/model/programs_under_test.h"
#include "tests/support/expected_texts.h"
#include "tests/support/keyboard_testing.h"
#include "tests/support/latin_places.h"
#include "windows/program_windows.h"

namespace drillwin::testing {
namespace {

using drill::Control;
using drill::Form;

QString FromUtf16(std::u16string_view text) { return QString::fromStdU16String(std::u16string(text)); }

// A letter of an answer and the key in its place of the standard Russian layout on a Latin keyboard.
struct Letter {
    char16_t cyrillic;
    Qt::Key latinKey;
    char16_t latin;
    Qt::Key latinShiftedKey;
    char16_t latinShifted;
};

// The letters a program states, with the keys in their places: Qt names a key by the character
// it types with Shift ('T' for t and T, '~' for ~, while ` is a key of its own).
std::vector<Letter> LettersOf(std::u16string_view letters) {
    std::vector<Letter> found;
    for (const char16_t letter : letters) {
        const auto known = std::find_if(std::begin(expected::LatinPlaces), std::end(expected::LatinPlaces),
                                        [letter](const expected::LatinPlace& place) { return place.cyrillic == letter; });
        if (known == std::end(expected::LatinPlaces)) {
            ADD_FAILURE() << "no key in the test's table for a letter the program states";
            continue;
        }
        const bool isLetter = known->latin >= u'a' && known->latin <= u'z';
        found.push_back({letter, static_cast<Qt::Key>(isLetter ? known->latinShifted : known->latin), known->latin,
                         static_cast<Qt::Key>(known->latinShifted), known->latinShifted});
    }
    return found;
}

// One press of a key as the keyboard delivers it: the key, the text the active layout makes of it.
struct Stroke {
    Control button;  // the answer button it must press
    Qt::Key key;
    QString text;
    Qt::KeyboardModifiers modifiers;
    std::string what;
};

std::vector<Stroke> StrokesOf(Control button, char16_t digit, const std::vector<Letter>& letters) {
    const auto digitKey = static_cast<Qt::Key>(Qt::Key_0 + (digit - u'0'));
    const QString digitText(QChar{digit});
    std::vector<Stroke> strokes = {
        {button, digitKey, digitText, Qt::NoModifier, "digit"},
        {button, digitKey, digitText, Qt::KeypadModifier, "keypad digit"},
    };
    for (const Letter& letter : letters) {
        const QString small(QChar{letter.cyrillic});
        const QString capital = small.toUpper();
        // With the Russian layout the key is named by the capital letter, as the window system maps it.
        const auto cyrillicKey = static_cast<Qt::Key>(capital.front().unicode());
        const std::string name = small.toStdString();
        strokes.push_back({button, cyrillicKey, small, Qt::NoModifier, "Russian " + name});
        strokes.push_back({button, cyrillicKey, capital, Qt::ShiftModifier, "Russian capital " + name});
        strokes.push_back({button, letter.latinKey, QString(QChar{letter.latin}), Qt::NoModifier, "Latin " + name});
        strokes.push_back({button, letter.latinShiftedKey, QString(QChar{letter.latinShifted}), Qt::ShiftModifier,
                           "Latin capital " + name});
    }
    return strokes;
}

class ChoiceKeyboard : public ::testing::TestWithParam<const model::ProgramUnderTest*> {
protected:
    ChoiceKeyboard() { windows.ShowMainWindow(); }

    QWidget* Main() const { return windows.Window(Form::Form1); }
    const drill::DrillProfile& Profile() { return dynamic_cast<drill::DrillSession&>(windows.Drill()).Profile(); }
    QString Seen(Control label, Form form = Form::Form1) const { return LabelOf(windows, form, label)->text(); }
    QString Heard(Control label) const { return Accessible(LabelOf(windows, Form::Form1, label))->text(QAccessible::Name); }
    QString Focused() const { return pupil.Focused(); }
    static const model::ProgramFacts& Facts() { return GetParam()->Facts; }

    // Every answer stroke of the program, the two buttons' strokes taking turns.
    std::vector<Stroke> AllStrokes() const {
        const std::vector<Stroke> first = StrokesOf(drill::FirstAnswerButton, u'1', LettersOf(Facts().FirstLetters));
        const std::vector<Stroke> second = StrokesOf(drill::SecondAnswerButton, u'2', LettersOf(Facts().SecondLetters));
        std::vector<Stroke> all;
        for (std::size_t i = 0; i < std::max(first.size(), second.size()); ++i) {
            if (i < first.size()) all.push_back(first[i]);
            if (i < second.size()) all.push_back(second[i]);
        }
        return all;
    }

    std::vector<SeenMessage> Key(const Stroke& stroke) { return pupil.Key(stroke.key, stroke.text, stroke.modifiers); }
    std::vector<SeenMessage> Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        return pupil.Key(key, modifiers);
    }

    // F1 opens the rules window, which takes the keyboard; Escape closes it and gives it back.
    void RulesOpenAndCloseByKeys() {
        const QString focused = Focused();
        EXPECT_TRUE(Key(Qt::Key_F1).empty());
        ASSERT_NE(windows.Window(Form::Form2), nullptr);
        EXPECT_TRUE(windows.Window(Form::Form2)->isVisible());
        pupil.EscapeBackToMain(Form::Form2);
        EXPECT_EQ(Focused(), focused) << "the focus stands where it stood";
    }

    const drill::DrillItem& RowOnShow() {
        const std::u16string prompt = Seen(drill::PromptLabel).toStdU16String();
        for (const drill::DrillItem& row : Profile().Bank.Rows()) {
            if (row.Prompt == prompt) return row;
        }
        ADD_FAILURE() << "no row has the prompt " << prompt.size();
        return Profile().Bank.Row(1);
    }

    ProgramWindows windows{*GetParam()->Windows};
    KeyboardPupil pupil{windows};
};

TEST_P(ChoiceKeyboard, AWholeRoundByKeysInBothLayouts) {
    EXPECT_TRUE(pupil.TabAndPress(drill::StartButton, Qt::Key_Space).empty());
    const int n = Profile().Bank.Size();
    const std::vector<Stroke> strokes = AllStrokes();
    ASSERT_LE(strokes.size() + 1, static_cast<std::size_t>(n)) << "every stroke answers an item of its own";
    std::size_t next = 0;
    int errors = 0;
    const auto errorCount = [&errors] { return errors == 0 ? QString() : QString::number(errors); };

    for (int position = 1; position <= n; ++position) {
        SCOPED_TRACE("item " + std::to_string(position));
        EXPECT_EQ(Seen(drill::PositionLabel), QString::number(position));
        EXPECT_EQ(Heard(drill::PositionLabel), QString::fromStdString(Facts().PositionHeading + " " + std::to_string(position)));
        const drill::DrillItem& row = RowOnShow();
        ASSERT_EQ(Seen(drill::PromptLabel).toStdU16String(), row.Prompt);

        if (position == 3) {
            // Enter on the next-item button does not skip an unanswered item; Space presses it.
            ASSERT_EQ(Focused(), "Command5");
            EXPECT_TRUE(Key(Qt::Key_Return).empty());
            EXPECT_TRUE(Key(Qt::Key_Enter, Qt::KeypadModifier).empty());
            EXPECT_EQ(Seen(drill::PositionLabel), "3");
            EXPECT_EQ(Seen(drill::ErrorCountLabel), errorCount());
            EXPECT_TRUE(Key(Qt::Key_Space).empty());
            ++errors;
            EXPECT_EQ(Seen(drill::ErrorCountLabel), errorCount()) << "a skip counts";
            continue;
        }

        const Stroke& stroke = strokes[next++ % strokes.size()];
        SCOPED_TRACE(stroke.what);
        const bool right = row.CorrectOption == (stroke.button == drill::FirstAnswerButton ? Facts().FirstOption
                                                                                           : Facts().SecondOption);
        EXPECT_TRUE(Key(stroke).empty());
        if (!right) ++errors;
        EXPECT_EQ(Seen(drill::PromptLabel).toStdU16String(), row.FullText) << "the key answered";
        EXPECT_EQ(Seen(drill::ErrorMarkLabel), right ? "" : QString::fromStdString(expected::ErrorMark));
        EXPECT_EQ(Seen(drill::ErrorCountLabel), errorCount());
        EXPECT_EQ(Heard(drill::ErrorCountLabel), (QString::fromStdString(expected::ErrorCountHeading) + " " + errorCount()).trimmed());
        EXPECT_EQ(Focused(), "Command5") << "Enter takes the next item from here";

        const bool keypad = position % 2 == 0;
        const std::vector<SeenMessage> seen = Key(keypad ? Qt::Key_Enter : Qt::Key_Return, keypad ? Qt::KeypadModifier : Qt::NoModifier);
        if (position < n) {
            EXPECT_TRUE(seen.empty());
            EXPECT_EQ(Seen(drill::PositionLabel), QString::number(position + 1));
            EXPECT_EQ(Seen(drill::ErrorMarkLabel), "");
            // The same key again, as if pressed twice: the new item waits for its answer.
            const QString prompt = Seen(drill::PromptLabel);
            EXPECT_TRUE(Key(keypad ? Qt::Key_Enter : Qt::Key_Return, keypad ? Qt::KeypadModifier : Qt::NoModifier).empty());
            EXPECT_EQ(Seen(drill::PositionLabel), QString::number(position + 1)) << "a second Enter skips nothing";
            EXPECT_EQ(Seen(drill::ErrorCountLabel), errorCount()) << "a second Enter counts nothing";
            EXPECT_EQ(Seen(drill::PromptLabel), prompt);
        } else {
            ASSERT_EQ(seen.size(), 1u);
            EXPECT_EQ(seen[0].text, FromUtf16(Facts().EndMessage));
            EXPECT_TRUE(seen[0].closedAsAsked) << "the end message closes with Enter";
        }
    }
    EXPECT_GE(next, strokes.size()) << "every stroke answered an item";
    EXPECT_EQ(Heard(drill::ErrorCountLabel), QString::fromStdString(expected::ErrorCountHeading) + " " + QString::number(errors));

    // After the round: the rules by F1, the result window where there is one, and "Выход", all by keys.
    KeyboardPupil::ExpectActive(Main());
    RulesOpenAndCloseByKeys();
    if (ButtonOf(windows, drill::ResultButton)) {
        EXPECT_TRUE(pupil.TabAndPress(drill::ResultButton, Qt::Key_Return).empty());
        ASSERT_NE(windows.Window(Form::Form3), nullptr);
        EXPECT_EQ(Seen(drill::ResultTotalLabel, Form::Form3), QString::number(errors));
        pupil.EscapeBackToMain(Form::Form3);
        EXPECT_EQ(Focused(), "Command6");
    }
    pupil.TabAndPress(drill::ExitButton, Qt::Key_Space);
    EXPECT_TRUE(windows.Ended());
}

TEST_P(ChoiceKeyboard, F1IsTheRulesButtonBeforeAndAfterAnAnswer) {
    RulesOpenAndCloseByKeys();
    EXPECT_EQ(Focused(), "Command1");
    EXPECT_TRUE(pupil.TabAndPress(drill::StartButton, Qt::Key_Return).empty());
    const QString prompt = Seen(drill::PromptLabel);

    // Before the answer the rules are refused. While the warning is open it takes the keys: the answer
    // keys and F1 pressed meanwhile do nothing, and Enter closes it.
    std::vector<QString> warnings;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        warnings.push_back(box->text());
        // The keys go to the box, as the desktop sends them, and to the main window's focused
        // control too, as no desktop sends them while the box is open.
        for (QWidget* target : {box->focusWidget(), Main()->focusWidget()}) {
            for (const Stroke& stroke : AllStrokes()) {
                QTest::sendKeyEvent(QTest::Click, target, stroke.key, stroke.text, stroke.modifiers);
            }
            QTest::keyClick(target, Qt::Key_F1);
        }
        QTest::keyClick(box->focusWidget(), Qt::Key_Return);
        if (box->isVisible()) {
            ADD_FAILURE() << "Enter left the warning open";
            box->button(QMessageBox::Ok)->click();
        }
    });
    QTest::keyClick(KeyboardPupil::KeyTarget(), Qt::Key_F1);
    KeyboardPupil::ExpectActive(Main());
    EXPECT_EQ(warnings, std::vector<QString>{QString::fromStdString(expected::RulesWarning)});
    EXPECT_EQ(windows.Window(Form::Form2), nullptr);
    EXPECT_EQ(Seen(drill::PromptLabel), prompt) << "no key reached the main window under the warning";

    // After the answer the rules open, and Enter still takes the next item once they are closed.
    EXPECT_TRUE(Key(StrokesOf(drill::FirstAnswerButton, u'1', {}).front()).empty());
    EXPECT_NE(Seen(drill::PromptLabel), prompt);
    const QString errorCount = Seen(drill::ErrorCountLabel);
    RulesOpenAndCloseByKeys();
    EXPECT_TRUE(Key(Qt::Key_Return).empty());
    EXPECT_EQ(Seen(drill::PositionLabel), "2");
    EXPECT_EQ(Seen(drill::ErrorCountLabel), errorCount);
}

TEST_P(ChoiceKeyboard, AnswerKeysBeforeTheStartDoWhatAClickOnTheirButtonDoes) {
    ProgramWindows clicked(*GetParam()->Windows);
    clicked.ShowMainWindow();
    Click(ButtonOf(clicked, drill::FirstAnswerButton));
    Click(ButtonOf(clicked, drill::SecondAnswerButton));

    QApplication::setActiveWindow(Main());
    for (const Stroke& stroke : AllStrokes()) {
        SCOPED_TRACE(stroke.what);
        EXPECT_TRUE(Key(stroke).empty());
    }
    for (const FormLayout& layout : GetParam()->Windows->forms) {
        EXPECT_EQ(windows.Window(layout.form) != nullptr, clicked.Window(layout.form) != nullptr);
    }
    for (const ControlRow& row : GetParam()->Windows->forms.front().controls) {
        if (row.kind != Kind::Label) continue;
        EXPECT_EQ(Seen(row.name), LabelOf(clicked, Form::Form1, row.name)->text()) << drill::ControlName(row.name);
    }
    EXPECT_EQ(windows.Drill().State(), drill::DrillState::NotStarted);
    EXPECT_EQ(Focused(), "Command1") << "the focus stays where the window opened it";
}

TEST_P(ChoiceKeyboard, EachKeyIsNamedOnItsButtonAndNowhereVisible) {
    const auto named = [this](Control button) {
        return Accessible(ButtonOf(windows, button))->text(QAccessible::Description).toStdString();
    };
    EXPECT_EQ(named(drill::RulesButton), expected::RulesKeyNamed);
    EXPECT_EQ(named(drill::StartButton), "");
    EXPECT_EQ(named(drill::FirstAnswerButton), Facts().FirstKeysNamed);
    EXPECT_EQ(named(drill::SecondAnswerButton), Facts().SecondKeysNamed);
    EXPECT_EQ(named(drill::NextButton), expected::NextKeyNamed);
    EXPECT_EQ(named(drill::ExitButton), "");
    if (ButtonOf(windows, drill::ResultButton)) {
        EXPECT_EQ(named(drill::ResultButton), "");
    }

    for (const FormLayout& layout : GetParam()->Windows->forms) {
        if (layout.form != Form::Form1) windows.ShowWindow(layout.form);
        QWidget* window = windows.Window(layout.form);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(Accessible(window)->text(QAccessible::Description).toStdString(),
                  layout.form == Form::Form1 ? "" : expected::WindowKeysNamed);
        EXPECT_TRUE(window->toolTip().isEmpty());
        for (const QWidget* control : window->findChildren<QWidget*>()) EXPECT_TRUE(control->toolTip().isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(ChoiceDrills, ChoiceKeyboard, ::testing::ValuesIn(model::Programs(model::Variant::Choice)),
                         model::ProgramName());

}  // namespace
}  // namespace drillwin::testing
