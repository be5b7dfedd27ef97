#pragma once
// Gondila: its drill, its main, rules and result windows.

#include "programs/gondila/bank.h"
#include "ui/layout.h"
#include "ui/program.h"

namespace gondila {

extern const drillui::FormLayout Forms[3];

const drillui::ProgramDescription& Program();

}  // namespace gondila
