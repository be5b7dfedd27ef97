#pragma once
// Mirskav: its drill, its main, rules and result windows.

#include "programs/mirskav/bank.h"
#include "ui/layout.h"
#include "ui/program.h"

namespace mirskav {

extern const drillui::FormLayout Forms[3];

const drillui::ProgramDescription& Program();

}  // namespace mirskav
