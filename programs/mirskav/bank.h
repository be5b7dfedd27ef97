#pragma once
// Mirskav: -н- or -нн- in short adjectives, short passive participles and adverbs, in three categories.

#include "engine/item_bank.h"

namespace mirskav {

// The bank and its categories.
extern const drill::DrillProfile Profile;

}  // namespace mirskav
