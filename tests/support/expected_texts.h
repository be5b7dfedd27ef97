#pragma once
// Texts every program shows or says alike, stated once for all the tests (C++ here; the Python
// checks read them as tests/model/facts_json.cpp prints them), apart from the engine's own. What
// differs between the programs is in each program's tests/facts.cpp.

#include <string>

namespace expected {

// The box a press of the rules button opens while the item on show waits for its answer.
inline const std::string RulesWarning = "Вначале дайте ответ, затем можете повторить правило.";
// The end of a round: the message of the drills without a result window (and of the sentence
// drill), and of those with one.
inline const std::string EndMessage = "Опрос окончен.";
inline const std::string EndMessageToResult = "Опрос окончен. Посмотрите результат.";
// The choice drills: the mark of a wrong first answer.
inline const std::string ErrorMark = "Была ошибка";
// The sentence drill: its verdicts and its warnings.
inline const std::string RightVerdict = "Правильно";
inline const std::string WrongVerdict = "Ошибка. Ваш ответ:";
inline const std::string RestoreWarning = "Повтор возможен до проверки.";
inline const std::string ConfirmWarning = "Подтвердите Вашу расстановку запятых.";
// The heading of the position counter of the choice drills.
inline const std::string QuestionsHeading = "Задано вопросов:";
// The heading of the error count in every main window, its blanks doubled as drawn; a screen reader
// is given it with single blanks.
inline const std::string ErrorCountHeading = "Сделано  ошибок:";
inline const std::string ErrorCountSaid = "Сделано ошибок:";

// A message box as the recording platform logs it.
inline std::string MessageLine(int style, const std::string& title, const std::string& text) {
    return "message " + std::to_string(style) + " [" + title + "] " + text;
}
inline std::string RulesWarningLine(int style, const std::string& title) { return MessageLine(style, title, RulesWarning); }

// How a screen reader is told the keys of the buttons and windows every program has.
inline const std::string RulesKeyNamed = "Клавиша F1";
inline const std::string NextKeyNamed = "Клавиша Enter";
inline const std::string WindowKeysNamed = "Клавиша Escape закрывает окно";
// Luzema's answer box: its name, its description, and the description of the button it submits to.
inline const std::string AnswerBoxNamed = "Предложение";
inline const std::string AnswerBoxKeysNamed = "Клавиши Ctrl+Enter: Запятые расставлены";
inline const std::string SubmitKeysNamed = "Клавиши Ctrl+Enter";

}  // namespace expected
