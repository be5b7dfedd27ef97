#pragma once
// One round of a choice drill: the pupil answers each item of the bank by one of two buttons.

#include <cstdint>
#include <optional>

#include "engine/drill_round.h"
#include "engine/item_bank.h"
#include "engine/result_tally.h"

namespace drill {

inline constexpr TextView ErrorMark = u"Была ошибка";

class DrillSession final : public DrillRound {
public:
    // The profile and the platform must outlive the session.
    DrillSession(const DrillProfile& profile, Platform& platform);

    void AnswerItem(TextView option);   // an answer button, with its option value
    void ShowResult();                  // "Результат"; only with result categories

    // With result categories, the tally's total.
    std::int32_t ErrorCount() const { return tally_ ? tally_->ErrorTotal() : errorCount_; }
    const DrillItem& CurrentItem() const { return currentItem_; }
    const DrillProfile& Profile() const { return profile_; }
    // Present in the drills with result categories.
    const std::optional<ResultTally>& Tally() const { return tally_; }

private:
    void ShowRow(int number) override;
    bool LeaveItem() override;
    void PressOwn(Control button) override;
    void ShowErrorCount();
    void CountError();
    void CountNoAnswer();

    const DrillProfile& profile_;
    std::int32_t errorCount_ = 0;  // without result categories only
    DrillItem currentItem_;
    std::optional<ResultTally> tally_;
};

}  // namespace drill
