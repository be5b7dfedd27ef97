#pragma once
// Mirskav: its drill, its main, rules and result windows.

#include "bank.h"
#include "layout.h"
#include "program.h"

namespace mirskav {

extern const drillwin::FormLayout Forms[3];

const drillwin::ProgramDescription& Program();

}  // namespace mirskav
