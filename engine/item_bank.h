#pragma once
// Exercise items and the constant tables they are kept in.

#include <cassert>
#include <cstdint>
#include <span>

#include "engine/platform.h"

namespace drill {

// The rows of a drill, numbered 1..N without gaps; N fits the 8-bit slots of the question order.
template <class Item>
class Bank {
public:
    constexpr explicit Bank(std::span<const Item> rows) : rows_(rows) {}

    constexpr int Size() const { return static_cast<int>(rows_.size()); }

    const Item& Row(int number) const {
        assert(number >= 1 && number <= Size() && "row numbers come from the question order");
        return rows_[static_cast<std::size_t>(number - 1)];
    }

    std::span<const Item> Rows() const { return rows_; }

private:
    std::span<const Item> rows_;
};

struct DrillItem {
    int Number = 0;
    TextView Prompt;         // the word with "_" for the letters to choose; a leading blank is shown
    TextView CorrectOption;  // one of the profile's two option values
    TextView FullText;       // stored, never computed from the prompt
};

using ItemBank = Bank<DrillItem>;

// A line of rule text that the rules button writes into the rules window at its place (twips).
struct RuleLine {
    int X = 0;
    int Y = 0;
    TextView Text;
};

// A rule category of the result summary: a contiguous range of bank numbers, and the caption of its
// row in the result window.
struct ResultCategory {
    TextView RowCaption;
    int FirstNumber = 0;
    int LastNumber = 0;
};

// After a wrong first answer the error mark is written, then the error count and the full text in
// the order each program was made with. The pupil sees them at once either way.
enum class WrongAnswerWrites : std::uint8_t { CountThenFullText, FullTextThenCount };

// Everything that differs between the choice drills.
struct DrillProfile {
    ItemBank Bank;
    TextView FirstOption{};   // carried by Command3
    TextView SecondOption{};  // carried by Command4
    TextView MessageTitle{};
    TextView EndMessage{};
    MessageStyle WarningIcon = MessageStyle::Plain;
    MessageStyle EndIcon = MessageStyle::Plain;
    WrongAnswerWrites WrongAnswer = WrongAnswerWrites::CountThenFullText;
    // Written into the rules window at every allowed press of the rules button; empty when the
    // rules window carries its text as labels.
    std::span<const RuleLine> RuleLines = {};
    // Empty for the drills without a result summary; at most five, one per row of the result window.
    std::span<const ResultCategory> Categories = {};
};

}  // namespace drill
