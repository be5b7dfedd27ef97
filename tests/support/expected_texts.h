#pragma once
// Texts every program shows alike, stated once for the tests, apart from the engine's own.

#include <string>

namespace expected {

// The box a press of the rules button opens while the item on show waits for its answer.
inline const std::string RulesWarning = "Вначале дайте ответ, затем можете повторить правило.";

// The line the recording platform logs for that box.
inline std::string RulesWarningLine(int style, const std::string& title) {
    return "message " + std::to_string(style) + " [" + title + "] " + RulesWarning;
}

}  // namespace expected

namespace expected {

// How a screen reader is told the keys of the buttons and windows every program has.
inline const std::string RulesKeyNamed = "Клавиша F1";
inline const std::string NextKeyNamed = "Клавиша Enter";
inline const std::string WindowKeysNamed = "Клавиша Escape закрывает окно";
// Luzema's answer box: its name, its description, and the description of the button it submits to.
inline const std::string AnswerBoxNamed = "Предложение";
inline const std::string AnswerBoxKeysNamed = "Клавиши Ctrl+Enter: Запятые расставлены";
inline const std::string SubmitKeysNamed = "Клавиши Ctrl+Enter";

}  // namespace expected
