#pragma once
// Fendrok drills -н- or -нн- in adverbs in -о formed from adjectives.

#include "item_bank.h"

namespace fendrok {

const drill::DrillProfile& Profile();

}  // namespace fendrok
