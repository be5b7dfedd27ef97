#pragma once
// Mirskav: -н- or -нн- in short adjectives, short passive participles and adverbs, in three categories.

#include "engine/item_bank.h"

namespace mirskav {

// The bank, its categories and where the result window shows each value.
extern const drill::DrillProfile Profile;

}  // namespace mirskav
