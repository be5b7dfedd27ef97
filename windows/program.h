#pragma once
// A program: its window descriptions and the drill its main window owns.

#include <functional>
#include <memory>
#include <span>

#include "engine/drill.h"
#include "engine/item_bank.h"
#include "windows/keys.h"
#include "windows/layout.h"

namespace drillwin {

struct ProgramDescription {
    // Form1 first; then Form2 and, where the program has one, Form3.
    std::span<const FormLayout> forms;
    // Builds the drill on the platform of the main window.
    std::function<std::unique_ptr<drill::Drill>(drill::Platform&)> makeDrill;
    // The keys that reach the main window's buttons from wherever the focus is.
    KeyTable keys = {};
};

// A choice drill: the session of the profile, with the given windows. The profile must outlive it.
// 1 and 2 press the first and the second answer button, and each of the letters its button.
ProgramDescription ChoiceDrillProgram(std::span<const FormLayout> forms, const drill::DrillProfile& profile,
                                      std::span<const AnswerLetters> letters = {});

// Creates the application and the main window, runs until the program ends; returns the exit code.
int RunProgram(int argc, char* argv[], const ProgramDescription& program);

}  // namespace drillwin
