#pragma once
// The sentence drill: the pupil types the commas into the sentence and the text is compared exactly.

#include <cstdint>

#include "engine/drill_round.h"
#include "engine/item_bank.h"

namespace drill {

struct SentenceItem {
    int Number = 0;
    TextView ShownText;     // the sentence without commas, as the text box first receives it
    TextView ExpectedText;  // the only text the check accepts
};

using SentenceBank = Bank<SentenceItem>;

inline constexpr TextView RightVerdict = u"Правильно";
inline constexpr TextView WrongVerdict = u"Ошибка. Ваш ответ:";
inline constexpr TextView RestoreWarning = u"Повтор возможен до проверки.";
inline constexpr TextView ConfirmWarning = u"Подтвердите Вашу расстановку запятых.";
inline constexpr TextView CommaEndMessage = u"Опрос окончен.";

class CommaDrill final : public DrillRound {
public:
    // The bank, the title and the platform must outlive the drill.
    CommaDrill(const SentenceBank& bank, TextView messageTitle, Platform& platform);

    void RestoreSentence();   // "Повтор, если текст испорчен"
    void CheckCommas();       // "Запятые расставлены"

    std::uint8_t ErrorCount() const { return errorCount_; }
    TextView ShownText() const { return shownText_; }
    TextView ExpectedText() const { return expectedText_; }

private:
    void ShowRow(int number) override;
    bool LeaveItem() override;
    void PressOwn(Control button) override;
    void ShowErrorCount();

    const SentenceBank& bank_;
    std::uint8_t errorCount_ = 0;  // wraps at 256
    TextView shownText_;
    TextView expectedText_;
};

}  // namespace drill
