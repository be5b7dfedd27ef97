#pragma once
// Gondila: its drill, its main, rules and result windows.

#include "bank.h"
#include "layout.h"
#include "program.h"

namespace gondila {

extern const drillwin::FormLayout Forms[3];

const drillwin::ProgramDescription& Program();

}  // namespace gondila
