#pragma once
// One round of a choice drill: the pupil answers each item of the bank by one of two buttons.

#include <cstdint>
#include <optional>

#include "engine/drill_round.h"
#include "engine/item_bank.h"
#include "engine/result_tally.h"

namespace drill {

// The controls only the choice drills have.
inline constexpr Control FirstAnswerButton = Control::Command3;   // carries the profile's first option
inline constexpr Control SecondAnswerButton = Control::Command4;  // and its second
inline constexpr Control PromptLabel = Control::Label1;           // the item on show, then its full text
inline constexpr Control ErrorMarkLabel = Control::Label8;        // "Была ошибка"

inline constexpr TextView ErrorMark = u"Была ошибка";

class DrillSession final : public DrillRound {
public:
    // The profile and the platform must outlive the session.
    DrillSession(const DrillProfile& profile, Platform& platform);

    void AnswerItem(TextView option);   // an answer button, with its option value
    void ShowResult();                  // "Результат"; only with result categories

    const DrillItem& CurrentItem() const { return currentItem_; }
    const DrillProfile& Profile() const { return profile_; }
    // Present in the drills with result categories.
    const std::optional<ResultTally>& Tally() const { return tally_; }

private:
    void ShowRow(int number) override;
    bool LeaveItem() override;
    void ItemLeftUnanswered() override;
    void PressOwn(Control button) override;

    const DrillProfile& profile_;
    DrillItem currentItem_;
    std::optional<ResultTally> tally_;
};

}  // namespace drill
