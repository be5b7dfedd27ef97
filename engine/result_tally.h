#pragma once
// Errors and shown items per rule category, plus the items left without an answer. The round's
// error count is the round's own (drill_round.h); these are its categories.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "engine/item_bank.h"

namespace drill {

// A counter that is unset until first raised: it counts as 0 but shows as an empty label.
using Counter = std::optional<int>;

class ResultTally {
public:
    explicit ResultTally(std::span<const ResultCategory> categories);

    void CountShown(int number);
    void CountError(int number);
    void CountNoAnswer();

    // 1..K, found by the category ranges.
    int CategoryOf(int number) const;
    int CategoryCount() const { return static_cast<int>(categories_.size()); }

    Counter CategoryErrors(int category) const { return errors_.at(Index(category)); }
    Counter CategoryShown(int category) const { return shown_.at(Index(category)); }
    Counter NoAnswerCount() const { return noAnswer_; }

private:
    static std::size_t Index(int category) { return static_cast<std::size_t>(category - 1); }

    std::span<const ResultCategory> categories_;
    std::vector<Counter> errors_;
    std::vector<Counter> shown_;
    Counter noAnswer_;
};

// An unset counter gives the empty text.
Text CounterText(const Counter& counter);

}  // namespace drill
