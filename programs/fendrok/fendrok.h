#pragma once
// Fendrok: -н- or -нн- in adverbs, with its one-label rules window.

#include "programs/fendrok/bank.h"
#include "windows/layout.h"
#include "windows/program.h"

namespace fendrok {

extern const drillwin::FormLayout Forms[2];

const drillwin::ProgramDescription& Program();

}  // namespace fendrok
