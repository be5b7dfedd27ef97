#pragma once
// What both drills do alike: the question order, where the round stands, the rules guard and the
// buttons every main window has (rules, start, next, exit).

#include <cstdint>
#include <span>

#include "engine/controls.h"
#include "engine/drill.h"
#include "engine/item_bank.h"
#include "engine/question_order.h"

namespace drill {

// The message boxes of a round: their caption, the icon of a warning, and the end of the round.
struct RoundMessages {
    TextView Title;
    MessageStyle WarningIcon = MessageStyle::Plain;
    TextView End;
    MessageStyle EndIcon = MessageStyle::Plain;
};

class DrillRound : public Drill {
public:
    // "Начало"
    void StartRound() {
        if (position_ != 0) return;
        questionOrder_.Draw(platform_);
        position_ = 1;
        ShowItem();
    }

    // "Ещё слово", "Далее", "Ещё предложение"
    void NextItem() {
        if (position_ == 0 || !LeaveItem()) return;
        if (State() == DrillState::Unanswered) {
            CountError();
            ItemLeftUnanswered();
            ShowErrorCount();
        }
        answerCount_ = 0;
        ++position_;
        if (Finished()) {
            platform_.ShowMessage(messages_.End, messages_.EndIcon, messages_.Title);
            return;
        }
        ShowItem();
    }

    // Shows the warning itself when it refuses.
    bool RulesAllowed() {
        if (State() != DrillState::Unanswered) return true;
        Warn(RulesWarning);
        return false;
    }

    void Press(Control button) final {
        switch (button) {
            case RulesButton: ShowRules(); break;
            case StartButton: StartRound(); break;
            case NextButton: NextItem(); break;
            case ExitButton: platform_.EndProgram(); break;
            default: PressOwn(button); break;
        }
    }

    DrillState State() const final {
        if (position_ == 0) return DrillState::NotStarted;
        if (Finished()) return DrillState::Finished;
        return answerCount_ == 0 ? DrillState::Unanswered : DrillState::Answered;
    }

    std::int32_t Position() const { return position_; }
    std::int32_t AnswerCount() const { return answerCount_; }
    // The round's errors: a wrong first answer, or an item left without any answer, at most one
    // for each item, and never reset. A round has at most QuestionOrder::MaxSize (255) items, so
    // the count never passes 255.
    std::int32_t ErrorCount() const { return errorCount_; }
    const QuestionOrder& Order() const { return questionOrder_; }

protected:
    // The texts, the rule lines and the platform must outlive the round.
    DrillRound(int size, const RoundMessages& messages, std::span<const RuleLine> ruleLines, Platform& platform)
        : platform_(platform), messages_(messages), ruleLines_(ruleLines), questionOrder_(size) {}

    int N() const { return questionOrder_.Size(); }
    bool Finished() const { return position_ > N(); }
    // Counts an answer to the item on show and gives the count so far.
    std::int32_t CountAnswer() { return ++answerCount_; }
    // An error of the item on show.
    void CountError() { ++errorCount_; }
    void ShowErrorCount() {
        platform_.SetCaption(MainWindow, ErrorCountLabel, Digits(static_cast<std::uint32_t>(errorCount_)));
    }
    void Warn(TextView text) { platform_.ShowMessage(text, messages_.WarningIcon, messages_.Title); }

    Platform& platform_;

private:
    // The bank row of that number is now on show: loads it and writes it into the main window.
    virtual void ShowRow(int number) = 0;
    // Before the next item: clears what the answer left; false keeps the item on show.
    virtual bool LeaveItem() = 0;
    // The item on show is left without an answer; the round has counted it as an error.
    virtual void ItemLeftUnanswered() {}
    // The buttons only this drill has.
    virtual void PressOwn(Control button) = 0;

    void ShowItem() {
        ShowRow(questionOrder_.Slot(position_));
        platform_.SetCaption(MainWindow, PositionLabel, Digits(static_cast<std::uint32_t>(position_)));
    }

    void ShowRules() {
        if (!RulesAllowed()) return;
        platform_.ShowWindow(RulesWindow);
        for (const RuleLine& line : ruleLines_) {
            platform_.PlotPoint(RulesWindow, line.X, line.Y);
            platform_.PrintLine(RulesWindow, line.Text);
        }
    }

    RoundMessages messages_;
    std::span<const RuleLine> ruleLines_;
    std::int32_t position_ = 0;
    std::int32_t answerCount_ = 0;
    std::int32_t errorCount_ = 0;
    QuestionOrder questionOrder_;
};

}  // namespace drill
