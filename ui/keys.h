#pragma once
// The keyboard of every program, apart from any window toolkit: the keys a program states, what a
// key pressed in one of its windows does, where the focus goes after a press, and how each key is
// named to a screen reader. Tab, and Space or Enter on the focused button, are the toolkit's own.
//
// - In the main window, whatever has the focus: the program's answer keys and F1 press their
//   buttons as a click does; Ctrl+Enter in the answer box presses its submit button.
// - After an answer the focus goes to the next-item button, so that Enter takes the next item;
//   Enter on that button does nothing while the item on show waits for its answer, so that an Enter
//   pressed twice never skips one; where the pupil answers in a text box, it takes the focus with
//   each item.
// - Escape closes a rules or result window and gives the main window the keyboard back.
// A modal message box keeps its own keys: none of these reaches the windows while one is open.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/drill.h"
#include "ui/layout.h"

namespace drillui {

// An answer button whose option is one letter (or stands for more than one), with those letters:
// Cyrillic, lower case.
struct AnswerLetters {
    drill::Control button;
    std::u16string_view letters;
};

// An answer button and every character that presses it from anywhere in the main window: digits
// (main row or keypad) and Cyrillic letters, lower case. A letter is taken in either keyboard layout:
// as itself with the Russian layout active, and as the key in its place with a Latin one.
struct AnswerKey {
    drill::Control button;
    std::u16string characters;
};

// The text box in which the pupil answers.
struct AnswerBox {
    drill::Control box;
    std::u16string_view spokenName;  // what a screen reader calls the box
    drill::Control submit;           // the button that Ctrl+Enter presses from within the box
};

// How the pupil answers: by answer buttons, each with its keys, or in a text box.
struct KeyTable {
    std::vector<AnswerKey> answers;
    std::optional<AnswerBox> answerBox;
};

// A key as a window toolkit reports it.
struct KeyPress {
    enum class Name { Character, Enter, F1, Escape, Other };
    Name name = Name::Other;
    int digit = -1;              // 0..9 for a digit key, on the main row or the keypad
    char16_t character = 0;      // what the active layout made of the key; 0 for none or several
    bool ctrl = false, alt = false, meta = false, shift = false;
    bool repeat = false;         // the key is held down
};

struct KeyOutcome {
    bool taken = false;                   // the control with the focus does not get the key
    std::optional<drill::Control> press;  // the button it presses; a key held down presses once
};

// A key pressed in the main window, sent to the focused control (none: the window itself).
KeyOutcome MainWindowKey(const KeyTable& keys, const KeyPress& key, std::optional<drill::Control> focused,
                         drill::DrillState state);

// Whether the key closes the rules or result window it was pressed in.
bool ClosesWindow(const KeyPress& key);

// The control that takes the focus once a press of the button has run, where the focus moves.
std::optional<drill::Control> FocusAfterPress(const KeyTable& keys, drill::Control button, drill::DrillState state);

// What a screen reader is told of a main-window control beyond its caption: its key as its
// description, and for the answer box its name too.
struct SpokenControl {
    drill::Control control;
    std::u16string name;  // empty: the control's caption
    std::u16string description;
};
// In the order they are given; a later one for the same control replaces an earlier one.
std::vector<SpokenControl> SpokenKeys(const KeyTable& keys, const FormLayout& main);

// The description of a rules or result window.
inline constexpr std::u16string_view SecondaryWindowKeys = u"Клавиша Escape закрывает окно";

// "Клавиша 1 или Е", "Клавиша 2, Ё или Е".
std::u16string KeysNamed(std::u16string_view characters);

}  // namespace drillui
