#pragma once

#include "engine/item_bank.h"

namespace fendrok {

// -н- or -нн- in adverbs in -о: 20 words.
extern const drill::DrillProfile Profile;

}  // namespace fendrok
