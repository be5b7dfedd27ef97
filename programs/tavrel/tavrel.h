#pragma once
// Tavrel: пре- or при-, with its rules window.

#include "programs/tavrel/bank.h"
#include "ui/layout.h"
#include "ui/program.h"

namespace tavrel {

extern const drillui::FormLayout Forms[2];

const drillui::ProgramDescription& Program();

}  // namespace tavrel
