#pragma once
// The random order of a round: a permutation of 1..N in 8-bit slots, drawn once by rejection.

#include <array>
#include <cstdint>

#include "engine/platform.h"

namespace drill {

class QuestionOrder {
public:
    static constexpr int MaxSize = 255;

    explicit QuestionOrder(int size);

    // Reseeds the platform's random source once, then fills slots 1..N in order, drawing again
    // while the candidate already stands in any slot.
    void Draw(Platform& platform);

    int Size() const { return size_; }
    // Slot p (1..N); 0 while not drawn.
    int Slot(int position) const;

private:
    int size_;
    std::array<std::uint8_t, MaxSize> slots_{};
};

// floor(r x N) + 1 with the product in double precision.
int Candidate(float r, int size);

}  // namespace drill
