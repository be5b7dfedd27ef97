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
