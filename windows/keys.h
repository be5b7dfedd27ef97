#pragma once
// The keys a program gives the pupil besides Tab, and Space or Enter on the focused button, as the
// program states them. windows/keyboard.h gives them to the windows; the keys every program shares
// (F1, Enter after an answer, Escape in a secondary window) need no table.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/platform.h"

namespace drillwin {

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

struct KeyTable {
    std::vector<AnswerKey> answers;
    std::optional<AnswerBox> answerBox;
};

}  // namespace drillwin
