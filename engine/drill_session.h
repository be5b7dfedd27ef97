#pragma once
// One round of a choice drill: the pupil answers each item of the bank by one of two buttons.

#include <cstdint>
#include <optional>

#include "engine/drill.h"
#include "engine/item_bank.h"
#include "engine/question_order.h"
#include "engine/result_tally.h"

namespace drill {

inline constexpr TextView ErrorMark = u"Была ошибка";

class DrillSession final : public Drill {
public:
    // The profile and the platform must outlive the session.
    DrillSession(const DrillProfile& profile, Platform& platform);

    void StartRound();                  // "Начало"
    void AnswerItem(TextView option);   // an answer button, with its option value
    void NextItem();                    // "Ещё слово" / "Далее"
    bool RulesAllowed();                // shows the warning itself when it refuses
    void ShowRules();                   // the rules button: the guard, then the rules window
    void ShowResult();                  // "Результат"; only with result categories
    void Press(Control button) override;
    DrillState State() const override;

    std::int32_t Position() const { return position_; }
    std::int32_t AnswerCount() const { return answerCount_; }
    // With result categories, the tally's total.
    std::int32_t ErrorCount() const { return tally_ ? tally_->ErrorTotal() : errorCount_; }
    const DrillItem& CurrentItem() const { return currentItem_; }
    const QuestionOrder& Order() const { return questionOrder_; }
    const DrillProfile& Profile() const { return profile_; }
    // Present in the drills with result categories.
    const std::optional<ResultTally>& Tally() const { return tally_; }

private:
    int N() const { return profile_.Bank.Size(); }
    bool Finished() const { return position_ > N(); }
    void LoadItem();
    void ShowItem();
    void ShowErrorCount();
    void CountShown();
    void CountError();
    void CountNoAnswer();

    const DrillProfile& profile_;
    Platform& platform_;
    std::int32_t position_ = 0;
    std::int32_t answerCount_ = 0;
    std::int32_t errorCount_ = 0;  // without result categories only
    DrillItem currentItem_;
    QuestionOrder questionOrder_;
    std::optional<ResultTally> tally_;
};

}  // namespace drill
