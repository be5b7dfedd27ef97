#pragma once
// A program as every front end runs it: its window descriptions, the drill its main window owns,
// and what differs in how the pupil answers and hears it.

#include <functional>
#include <memory>
#include <optional>
#include <span>

#include "engine/drill.h"
#include "engine/item_bank.h"
#include "ui/keys.h"
#include "ui/layout.h"

namespace drillui {

struct ProgramDescription {
    // Form1 first; then Form2 and, where the program has one, Form3.
    std::span<const FormLayout> forms;
    // Builds the drill on the platform of the main window.
    std::function<std::unique_ptr<drill::Drill>(drill::Platform&)> makeDrill;
    // How the pupil answers, and the keys that reach the main window's buttons from wherever the
    // focus is.
    KeyTable keys = {};
    // The main-window label a screen reader reads as the item, its gap said as a word; none where the
    // item stands in the answer box.
    std::optional<drill::Control> itemLabel = std::nullopt;
};

// A choice drill: the session of the profile, with the given windows. The profile must outlive it.
// 1 and 2 press the first and the second answer button, and each of the letters its button.
ProgramDescription ChoiceDrillProgram(std::span<const FormLayout> forms, const drill::DrillProfile& profile,
                                      std::span<const AnswerLetters> letters = {});

}  // namespace drillui
