#include "windows/keyboard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QStringList>

#include <string_view>

#include "engine/controls.h"
#include "windows/form_window.h"
#include "windows/text.h"

namespace drillwin {

namespace {

using drill::Control;
using drill::DrillState;

// The standard Russian layout over a Latin one: the letter, the character of the key in its place,
// and that character with Shift. A pupil whose Latin layout is active presses the same key.
constexpr std::u16string_view RussianLetters = u"ёйцукенгшщзхъфывапролджэячсмитьбю";
constexpr std::u16string_view LatinInTheirPlace = u"`qwertyuiop[]asdfghjkl;'zxcvbnm,.";
constexpr std::u16string_view LatinWithShift = u"~QWERTYUIOP{}ASDFGHJKL:\"ZXCVBNM<>";
static_assert(RussianLetters.size() == LatinInTheirPlace.size() && RussianLetters.size() == LatinWithShift.size());

bool IsDigit(char16_t character) { return character >= u'0' && character <= u'9'; }

// Digits by the key, so that the keypad's count too; letters by the text the layout made of the key.
bool Presses(const QKeyEvent& key, char16_t character) {
    if (IsDigit(character)) return key.key() == Qt::Key_0 + (character - u'0');
    const QString text = key.text();
    if (text.size() != 1) return false;
    const QChar typed = text.front();
    if (typed.toLower() == QChar(character)) return true;
    const std::size_t place = RussianLetters.find(character);
    return place != std::u16string_view::npos &&
           (typed == QChar(LatinInTheirPlace[place]) || typed == QChar(LatinWithShift[place]));
}

bool IsEnter(const QKeyEvent& key) { return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter; }

// Shift makes capitals and the keypad is a place, not a chord: only these make a key another key.
Qt::KeyboardModifiers Chord(const QKeyEvent& key) {
    return key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
}

// "Клавиша 1 или Е", "Клавиша 2, Ё или Е".
QString Naming(const std::u16string& characters) {
    QStringList names;
    for (const char16_t character : characters) names.append(QString(QChar(character)).toUpper());
    QString last = names.takeLast();
    return names.isEmpty() ? QStringLiteral("Клавиша ") + last
                           : QStringLiteral("Клавиша ") + names.join(QStringLiteral(", ")) + QStringLiteral(" или ") + last;
}

}  // namespace

Keyboard::Keyboard(const KeyTable& keys, std::function<DrillState()> state) : keys_(keys), state_(std::move(state)) {}

void Keyboard::Attach(FormWindow* window) {
    // Every control of the window, so that a key is seen before the focused control takes it.
    window->installEventFilter(this);
    for (QWidget* control : window->findChildren<QWidget*>()) control->installEventFilter(this);
    if (window->Layout().form == drill::MainWindow) {
        main_ = window;
        Describe(window);
    } else {
        window->setAccessibleDescription(QStringLiteral("Клавиша Escape закрывает окно"));
    }
}

void Keyboard::Describe(FormWindow* main) {
    const auto describe = [main](Control control, const QString& text) {
        if (QWidget* widget = main->Control(control)) widget->setAccessibleDescription(text);
    };
    describe(drill::RulesButton, QStringLiteral("Клавиша F1"));
    describe(drill::NextButton, QStringLiteral("Клавиша Enter"));
    for (const AnswerKey& answer : keys_.answers) {
        describe(answer.button, Naming(answer.characters));
    }
    if (const auto& box = keys_.answerBox) {
        describe(box->submit, QStringLiteral("Клавиши Ctrl+Enter"));
        if (QWidget* widget = main->Control(box->box)) {
            widget->setAccessibleName(ToQString(box->spokenName));
            const auto* submit = qobject_cast<QAbstractButton*>(main->Control(box->submit));
            widget->setAccessibleDescription(QStringLiteral("Клавиши Ctrl+Enter: ") + (submit ? submit->text() : QString()));
        }
    }
}

bool Keyboard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || QApplication::activeModalWidget()) return false;
    auto* receiver = qobject_cast<QWidget*>(watched);
    if (!receiver || !main_) return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (receiver->window() == main_) return MainWindowKey(receiver, key);
    return SecondaryWindowKey(receiver->window(), key);
}

bool Keyboard::MainWindowKey(QWidget* receiver, const QKeyEvent& key) {
    // A key held down repeats: it may press a button once, not once for every repeat.
    const bool once = !key.isAutoRepeat();
    if (IsEnter(key) && receiver == main_->Control(drill::NextButton) && state_() == DrillState::Unanswered) {
        return true;
    }
    QWidget* box = keys_.answerBox ? main_->Control(keys_.answerBox->box) : nullptr;
    const bool inBox = box && (receiver == box || box->isAncestorOf(receiver));
    if (inBox && IsEnter(key) && Chord(key) == Qt::ControlModifier) {
        if (once) Press(keys_.answerBox->submit);
        return true;
    }
    if (key.key() == Qt::Key_F1 && Chord(key) == Qt::NoModifier && !(key.modifiers() & Qt::ShiftModifier)) {
        if (once) Press(drill::RulesButton);
        return true;
    }
    // A text box takes its characters; a chord is never an answer.
    if (inBox || Chord(key) != Qt::NoModifier) return false;
    for (const AnswerKey& answer : keys_.answers) {
        for (const char16_t character : answer.characters) {
            if (!Presses(key, character)) continue;
            if (once) Press(answer.button);
            return true;
        }
    }
    return false;
}

bool Keyboard::SecondaryWindowKey(QWidget* window, const QKeyEvent& key) {
    if (key.key() != Qt::Key_Escape || Chord(key) != Qt::NoModifier) return false;
    window->close();
    main_->activateWindow();
    return true;
}

void Keyboard::Press(Control button) {
    auto* target = qobject_cast<QAbstractButton*>(main_->Control(button));
    if (!target) return;
    // The pupil is at the keyboard: the focus frame shows from now on, as after a Tab.
    if (!main_->testAttribute(Qt::WA_KeyboardFocusChange)) {
        main_->setAttribute(Qt::WA_KeyboardFocusChange);
        if (QWidget* focused = main_->focusWidget()) focused->update();
    }
    target->click();
}

void Keyboard::AfterPress(Control button) {
    if (!main_) return;
    const DrillState state = state_();
    if (state == DrillState::Answered && IsAnswerButton(button)) {
        Focus(drill::NextButton);
    } else if (state == DrillState::Unanswered && keys_.answerBox &&
               (button == drill::StartButton || button == drill::NextButton)) {
        Focus(keys_.answerBox->box);
    }
}

bool Keyboard::IsAnswerButton(Control button) const {
    if (keys_.answerBox && keys_.answerBox->submit == button) return true;
    for (const AnswerKey& answer : keys_.answers) {
        if (answer.button == button) return true;
    }
    return false;
}

// Only when the focus is elsewhere: a screen reader speaks every move.
void Keyboard::Focus(Control control) {
    QWidget* target = main_->Control(control);
    if (target && main_->focusWidget() != target) target->setFocus(Qt::OtherFocusReason);
}

}  // namespace drillwin
