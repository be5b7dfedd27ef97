#pragma once
// Tavrel: пре- or при-, with its rules window.

#include "bank.h"
#include "layout.h"
#include "program.h"

namespace tavrel {

extern const drillwin::FormLayout Forms[2];

const drillwin::ProgramDescription& Program();

}  // namespace tavrel
