#pragma once
// The runtime's random source: uniform single-precision values, reseeded from the system clock.

#include <random>

namespace drill {

class ClockRandom {
public:
    void Reseed();
    float Next();  // 0 <= r < 1

private:
    std::mt19937 generator_{std::random_device{}()};
};

}  // namespace drill
