#pragma once
// Fendrok: -н- or -нн- in adverbs, with its one-label rules window.

#include "programs/fendrok/bank.h"
#include "ui/layout.h"
#include "ui/program.h"

namespace fendrok {

extern const drillui::FormLayout Forms[2];

const drillui::ProgramDescription& Program();

}  // namespace fendrok
