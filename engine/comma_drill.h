#pragma once
// The sentence drill: the pupil types the commas into the sentence and the text is compared exactly.

#include "engine/drill_round.h"
#include "engine/item_bank.h"

namespace drill {

struct SentenceItem {
    int Number = 0;
    TextView ShownText;     // the sentence without commas, as the text box first receives it
    TextView ExpectedText;  // the only text the check accepts
};

using SentenceBank = Bank<SentenceItem>;

// The controls only the sentence drill has.
inline constexpr Control RestoreButton = Control::Command3;   // "Повтор, если текст испорчен"
inline constexpr Control CheckButton = Control::Command4;     // "Запятые расставлены"
inline constexpr Control VerdictLabel = Control::Label1;
inline constexpr Control AnswerShownLabel = Control::Label8;  // a wrong answer as typed
inline constexpr Control SentenceBox = Control::Text1;

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

    TextView ShownText() const { return shownText_; }
    TextView ExpectedText() const { return expectedText_; }

private:
    void ShowRow(int number) override;
    bool LeaveItem() override;
    void PressOwn(Control button) override;

    const SentenceBank& bank_;
    TextView shownText_;
    TextView expectedText_;
};

}  // namespace drill
