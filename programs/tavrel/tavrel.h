#pragma once
// Tavrel: пре- or при-, with its rules window.

#include "programs/tavrel/bank.h"
#include "windows/layout.h"
#include "windows/program.h"

namespace tavrel {

extern const drillwin::FormLayout Forms[2];

const drillwin::ProgramDescription& Program();

}  // namespace tavrel
