#pragma once
// Mirskav: -н- or -нн- in short adjectives, short passive participles and adverbs, in three categories.

#include "engine/item_bank.h"

namespace mirskav {

inline constexpr drill::ResultCategory Categories[] = {
    {u"В кратких прилагательных:", 1, 3},
    {u"В кратких страдательных причастиях:", 4, 10},
    {u"В наречиях:", 11, 18},
};

// The bank and its categories.
extern const drill::DrillProfile Profile;

}  // namespace mirskav
