#pragma once
// Gondila: its drill, its main, rules and result windows.

#include "programs/gondila/bank.h"
#include "windows/layout.h"
#include "windows/program.h"

namespace gondila {

extern const drillwin::FormLayout Forms[3];

const drillwin::ProgramDescription& Program();

}  // namespace gondila
