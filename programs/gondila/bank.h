#pragma once
// Gondila: о or ё (answered е) after the hushing consonants and ц, in five rule categories.

#include "engine/item_bank.h"

namespace gondila {

// A row belongs to a category by its number alone: the -ённый words 19, 20, 24, 25 count as roots.
inline constexpr drill::ResultCategory Categories[] = {
    {u"В окончаниях существительных:", 1, 10},
    {u"В окончаниях и суффиксах прилагательных:", 11, 15},
    {u"В окончаниях наречий:", 16, 18},
    {u"В корне слова:", 19, 26},
    {u"В окончаниях глаголов:", 27, 31},
};

// The bank, its categories and the rule lines.
extern const drill::DrillProfile Profile;

}  // namespace gondila
