#pragma once
// The engine's UTF-16 texts as UTF-8, for what is written to files and pages. A lone surrogate,
// which a pupil may paste into a text box, is written as U+FFFD.

#include <string>
#include <string_view>

namespace drillui {

std::string Utf8(std::u16string_view text);

}  // namespace drillui
