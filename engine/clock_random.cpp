#include "engine/clock_random.h"

#include <chrono>

namespace drill {

void ClockRandom::Reseed() {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    generator_.seed(static_cast<std::mt19937::result_type>(ticks ^ (ticks >> 32)));
}

float ClockRandom::Next() {
    // 24 random bits fill a float's mantissa exactly: 2^24 equally likely values in [0, 1).
    return static_cast<float>(generator_() >> 8) * 0x1p-24f;
}

}  // namespace drill
