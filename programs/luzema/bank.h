#pragma once
// The nine sentences of Luzema, each without and with the commas around its participial phrase.

#include "engine/comma_drill.h"

namespace luzema {

// Rows numbered 1..9 in bank order.
const drill::SentenceBank& Bank();

}  // namespace luzema
