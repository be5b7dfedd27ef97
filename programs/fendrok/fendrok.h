#pragma once
// The Fendrok program as the window layer runs it.

#include <span>

#include "layout.h"

namespace fendrok {

// Form1, then Form2.
std::span<const drillwin::FormLayout> Forms();

}  // namespace fendrok
