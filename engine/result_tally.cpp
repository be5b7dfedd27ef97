#include "engine/result_tally.h"

#include <cassert>

namespace drill {

namespace {

void Raise(Counter& counter) { counter = counter.value_or(0) + 1; }

}  // namespace

ResultTally::ResultTally(std::span<const ResultCategory> categories)
    : categories_(categories), errors_(categories.size()), shown_(categories.size()) {}

int ResultTally::CategoryOf(int number) const {
    for (std::size_t k = 0; k < categories_.size(); ++k) {
        if (number >= categories_[k].FirstNumber && number <= categories_[k].LastNumber) {
            return static_cast<int>(k) + 1;
        }
    }
    assert(false && "the categories cover every bank number");
    return 1;
}

void ResultTally::CountShown(int number) { Raise(shown_[Index(CategoryOf(number))]); }

void ResultTally::CountError(int number) { Raise(errors_[Index(CategoryOf(number))]); }

void ResultTally::CountNoAnswer() { Raise(noAnswer_); }

Text CounterText(const Counter& counter) {
    return counter ? Digits(static_cast<std::uint32_t>(*counter)) : Text{};
}

}  // namespace drill
