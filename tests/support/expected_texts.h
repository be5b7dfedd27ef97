#pragma once
// Texts every program shows or says alike, stated once for all the tests (C++ here; the Python
// checks read them as the facts tool writes them, tests/model/facts_json.cpp), apart from the
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

}  // namespace expected
