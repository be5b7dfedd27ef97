#pragma once

#include "engine/item_bank.h"

namespace tavrel {

// пре- or при-: 23 words.
extern const drill::DrillProfile Profile;

}  // namespace tavrel
