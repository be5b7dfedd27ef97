#include "engine/question_order.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace drill {

QuestionOrder::QuestionOrder(int size) : size_(size) {
    assert(size >= 1 && size <= MaxSize);
}

int Candidate(float r, int size) {
    return static_cast<int>(std::floor(static_cast<double>(r) * size)) + 1;
}

void QuestionOrder::Draw(Platform& platform) {
    platform.ReseedRandom();
    const auto begin = slots_.begin();
    const auto end = slots_.begin() + size_;
    for (auto slot = begin; slot != end; ++slot) {
        for (;;) {
            const int candidate = Candidate(platform.NextRandom(), size_);
            // Unfilled slots hold 0, which is never a candidate, so scanning all N slots is the
            // same as scanning the filled ones.
            if (std::find(begin, end, candidate) == end) {
                *slot = static_cast<std::uint8_t>(candidate);
                break;
            }
        }
    }
}

int QuestionOrder::Slot(int position) const {
    assert(position >= 1 && position <= size_);
    return slots_[static_cast<std::size_t>(position - 1)];
}

}  // namespace drill
