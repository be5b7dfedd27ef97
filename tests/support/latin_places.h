#pragma once
// The answer letters the programs state, each with the key in its place of the standard Russian
// layout on a Latin keyboard, as that key types without and with Shift.

namespace expected {

struct LatinPlace {
    char16_t cyrillic;
    char16_t latin;
    char16_t latinShifted;
};

inline constexpr LatinPlace LatinPlaces[] = {
    {u'е', u't', u'T'},
    {u'и', u'b', u'B'},
    {u'о', u'j', u'J'},
    {u'ё', u'`', u'~'},
};

}  // namespace expected
