#pragma once
// A program: its window descriptions and the drill its main window owns.

#include <functional>
#include <memory>
#include <span>

#include "engine/drill.h"
#include "engine/item_bank.h"
#include "windows/layout.h"

namespace drillwin {

struct ProgramDescription {
    // Form1 first; then Form2 and, where the program has one, Form3.
    std::span<const FormLayout> forms;
    // Builds the drill on the platform of the main window.
    std::function<std::unique_ptr<drill::Drill>(drill::Platform&)> makeDrill;
};

// A choice drill: the session of the profile, with the given windows. The profile must outlive it.
ProgramDescription ChoiceDrillProgram(std::span<const FormLayout> forms, const drill::DrillProfile& profile);

// Creates the application and the main window, runs until the program ends; returns the exit code.
int RunProgram(int argc, char* argv[], const ProgramDescription& program);

}  // namespace drillwin
