#pragma once
// Mirskav: its drill, its main, rules and result windows.

#include "programs/mirskav/bank.h"
#include "windows/layout.h"
#include "windows/program.h"

namespace mirskav {

extern const drillwin::FormLayout Forms[3];

const drillwin::ProgramDescription& Program();

}  // namespace mirskav
