#pragma once
// A program on the desktop.

#include "ui/program.h"

namespace drillwin {

using drillui::ProgramDescription;

// Creates the application and the main window, runs until the program ends; returns the exit code.
int RunProgram(int argc, char* argv[], const ProgramDescription& program);

}  // namespace drillwin
