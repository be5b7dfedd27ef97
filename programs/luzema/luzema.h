#pragma once
// Luzema: the commas around a participial phrase, typed into the sentence itself.

#include "programs/luzema/bank.h"
#include "ui/layout.h"
#include "ui/program.h"

namespace luzema {

// The caption of every message box; the main window has a caption of its own.
inline constexpr drill::TextView MessageTitle = u"Luzema";

extern const drillui::FormLayout Forms[2];

const drillui::ProgramDescription& Program();

}  // namespace luzema
