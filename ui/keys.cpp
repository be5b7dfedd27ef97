#include "ui/keys.h"

#include <algorithm>

#include "engine/controls.h"

namespace drillui {

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

// The capitals of the Cyrillic block (А..Я and Ѐ..Џ, Ё among them) and of the Latin letters, small.
char16_t Lower(char16_t character) {
    if (character >= u'А' && character <= u'Я') return static_cast<char16_t>(character + 0x20);
    if (character >= u'Ѐ' && character <= u'Џ') return static_cast<char16_t>(character + 0x50);
    if (character >= u'A' && character <= u'Z') return static_cast<char16_t>(character + 0x20);
    return character;
}

char16_t Upper(char16_t character) {
    if (character >= u'а' && character <= u'я') return static_cast<char16_t>(character - 0x20);
    if (character >= u'ѐ' && character <= u'џ') return static_cast<char16_t>(character - 0x50);
    if (character >= u'a' && character <= u'z') return static_cast<char16_t>(character - 0x20);
    return character;
}

// Digits by the key, so that the keypad's count too; letters by what the layout made of the key.
bool Presses(const KeyPress& key, char16_t character) {
    if (IsDigit(character)) return key.digit == character - u'0';
    if (key.character == 0) return false;
    if (Lower(key.character) == character) return true;
    const std::size_t place = RussianLetters.find(character);
    return place != std::u16string_view::npos &&
           (key.character == LatinInTheirPlace[place] || key.character == LatinWithShift[place]);
}

// Shift makes capitals and the keypad is a place, not a chord: only these make a key another key.
bool IsChord(const KeyPress& key) { return key.ctrl || key.alt || key.meta; }

bool IsAnswerButton(const KeyTable& keys, Control button) {
    if (keys.answerBox && keys.answerBox->submit == button) return true;
    return std::any_of(keys.answers.begin(), keys.answers.end(),
                       [button](const AnswerKey& answer) { return answer.button == button; });
}

}  // namespace

KeyOutcome MainWindowKey(const KeyTable& keys, const KeyPress& key, std::optional<Control> focused, DrillState state) {
    const auto pressing = [&key](Control button) {
        // A key held down repeats: it may press a button once, not once for every repeat.
        return KeyOutcome{true, key.repeat ? std::nullopt : std::optional<Control>(button)};
    };
    const bool enter = key.name == KeyPress::Name::Enter;
    if (enter && focused == drill::NextButton && state == DrillState::Unanswered) return {true, std::nullopt};
    const bool inBox = keys.answerBox && focused == keys.answerBox->box;
    if (inBox && enter && key.ctrl && !key.alt && !key.meta) return pressing(keys.answerBox->submit);
    if (key.name == KeyPress::Name::F1 && !IsChord(key) && !key.shift) return pressing(drill::RulesButton);
    // A text box takes its characters; a chord is never an answer.
    if (inBox || IsChord(key)) return {};
    for (const AnswerKey& answer : keys.answers) {
        for (const char16_t character : answer.characters) {
            if (Presses(key, character)) return pressing(answer.button);
        }
    }
    return {};
}

bool ClosesWindow(const KeyPress& key) { return key.name == KeyPress::Name::Escape && !IsChord(key); }

std::optional<Control> FocusAfterPress(const KeyTable& keys, Control button, DrillState state) {
    if (state == DrillState::Answered && IsAnswerButton(keys, button)) return drill::NextButton;
    if (state == DrillState::Unanswered && keys.answerBox && (button == drill::StartButton || button == drill::NextButton)) {
        return keys.answerBox->box;
    }
    return std::nullopt;
}

std::vector<SpokenControl> SpokenKeys(const KeyTable& keys, const FormLayout& main) {
    std::vector<SpokenControl> spoken = {
        {drill::RulesButton, {}, u"Клавиша F1"},
        {drill::NextButton, {}, u"Клавиша Enter"},
    };
    for (const AnswerKey& answer : keys.answers) spoken.push_back({answer.button, {}, KeysNamed(answer.characters)});
    if (const auto& box = keys.answerBox) {
        spoken.push_back({box->submit, {}, u"Клавиши Ctrl+Enter"});
        const auto submit = std::find_if(main.controls.begin(), main.controls.end(),
                                         [&box](const ControlRow& row) { return row.name == box->submit; });
        std::u16string description = u"Клавиши Ctrl+Enter: ";
        if (submit != main.controls.end()) description += submit->caption;
        spoken.push_back({box->box, std::u16string(box->spokenName), std::move(description)});
    }
    return spoken;
}

std::u16string KeysNamed(std::u16string_view characters) {
    std::u16string named = u"Клавиша ";
    for (std::size_t i = 0; i < characters.size(); ++i) {
        if (i > 0) named += i + 1 == characters.size() ? u" или " : u", ";
        named += Upper(characters[i]);
    }
    return named;
}

}  // namespace drillui
