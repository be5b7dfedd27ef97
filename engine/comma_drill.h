#pragma once
// The sentence drill: the pupil types the commas into the sentence and the text is compared exactly.

#include <cstdint>

#include "engine/drill.h"
#include "engine/item_bank.h"
#include "engine/question_order.h"

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

class CommaDrill final : public Drill {
public:
    // The bank and the platform must outlive the drill.
    CommaDrill(const SentenceBank& bank, TextView messageTitle, Platform& platform);

    void StartRound();        // "Начало"
    void RestoreSentence();   // "Повтор, если текст испорчен"
    void CheckCommas();       // "Запятые расставлены"
    void NextItem();          // "Ещё предложение"
    bool RulesAllowed();      // shows the warning itself when it refuses
    void Press(Control button) override;
    DrillState State() const override;

    std::int32_t Position() const { return position_; }
    std::int32_t AnswerCount() const { return answerCount_; }
    std::uint8_t ErrorCount() const { return errorCount_; }
    TextView ShownText() const { return shownText_; }
    TextView ExpectedText() const { return expectedText_; }
    const QuestionOrder& Order() const { return questionOrder_; }

private:
    int N() const { return bank_.Size(); }
    void LoadSentence();
    void Warn(TextView text);

    const SentenceBank& bank_;
    TextView messageTitle_;
    Platform& platform_;
    std::int32_t position_ = 0;
    std::int32_t answerCount_ = 0;
    std::uint8_t errorCount_ = 0;
    TextView shownText_;
    TextView expectedText_;
    QuestionOrder questionOrder_;
};

}  // namespace drill
