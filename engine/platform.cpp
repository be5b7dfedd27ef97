#include "engine/platform.h"

#include <array>

namespace drill {

std::string_view ControlName(Control control) {
    static constexpr std::array<std::string_view, 35> names = {
        "Command1", "Command2", "Command3", "Command4", "Command5", "Command6", "Command7",
        "Label1",   "Label2",   "Label3",   "Label4",   "Label5",   "Label6",   "Label7",
        "Label8",   "Label9",   "Label10",  "Label11",  "Label12",  "Label13",  "Label14",
        "Label15",  "Label16",  "Label17",  "Label18",  "Label19",  "Label20",  "Label21",
        "Label22",  "Label23",  "Label24",  "Label25",  "Label26",  "Label27",  "Text1",
    };
    return names.at(static_cast<std::size_t>(control));
}

Text Digits(std::uint32_t value) {
    Text digits;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + value % 10));
        value /= 10;
    } while (value != 0);
    return digits;
}

}  // namespace drill
