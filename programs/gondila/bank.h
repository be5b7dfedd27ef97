#pragma once
// Gondila: о or ё (answered е) after the hushing consonants and ц, in five rule categories.

#include "engine/item_bank.h"

namespace gondila {

// The bank, its categories and the rule lines.
extern const drill::DrillProfile Profile;

}  // namespace gondila
