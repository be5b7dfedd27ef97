#pragma once
// Texts every program shows or says alike, stated once for all the tests (C++ here; the Python
// checks read them as tests/model/facts_json.cpp prints them), apart from the
// engine's own.

#include <string>

namespace expected {

// The box a press of the rules button opens while the item on show waits for its answer.
inline const std::string RulesWarning = "Вначале дайте ответ, затем можете повторить правило.";
// The choice drills: the mark of a wrong first answer.
inline const std::string ErrorMark = "Была ошибка";
// The sentence drill: its verdicts and its warnings.
inline const std::string RightVerdict = "Правильно";
inline const std::string WrongVerdict = "Ошибка. Ваш ответ:";
inline const std::string RestoreWarning = "Повтор возможен до проверки.";
inline const std::string ConfirmWarning = "Подтвердите Вашу расстановку запятых.";

// The line the recording platform logs for the rules warning.
inline std::string RulesWarningLine(int style, const std::string& title) {
    return "message " + std::to_string(style) + " [" + title + "] " + RulesWarning;
}

// How a screen reader is told the keys of the buttons and windows every program has.
inline const std::string RulesKeyNamed = "Клавиша F1";
inline const std::string NextKeyNamed = "Клавиша Enter";
inline const std::string WindowKeysNamed = "Клавиша Escape закрывает окно";
// Luzema's answer box: its name, its description, and the description of the button it submits to.
inline const std::string AnswerBoxNamed = "Предложение";
inline const std::string AnswerBoxKeysNamed = "Клавиши Ctrl+Enter: Запятые расставлены";
inline const std::string SubmitKeysNamed = "Клавиши Ctrl+Enter";

}  // namespace expected
