#include "engine/drill_session.h"

#include <cassert>

#include "engine/controls.h"

namespace drill {

DrillSession::DrillSession(const DrillProfile& profile, Platform& platform)
    : DrillRound(profile.Bank.Size(),
                 {profile.MessageTitle, profile.WarningIcon, profile.EndMessage, profile.EndIcon},
                 profile.RuleLines, platform),
      profile_(profile) {
    assert(profile.Categories.size() <= ResultCategoryLabels.size() && "one result row per category");
    if (!profile.Categories.empty()) tally_.emplace(profile.Categories);
}

void DrillSession::AnswerItem(TextView option) {
    if (Finished()) {
        platform_.SetCaption(MainWindow, PromptLabel, currentItem_.FullText);
        return;
    }
    if (Position() == 0) return;
    const bool wrongFirstAnswer = CountAnswer() == 1 && option != currentItem_.CorrectOption;
    if (!wrongFirstAnswer) {
        platform_.SetCaption(MainWindow, PromptLabel, currentItem_.FullText);
        return;
    }
    CountError();
    platform_.SetCaption(MainWindow, ErrorMarkLabel, ErrorMark);
    // The drills with result categories show the full text before the count; the others after.
    if (tally_) {
        platform_.SetCaption(MainWindow, PromptLabel, currentItem_.FullText);
        ShowErrorCount();
    } else {
        ShowErrorCount();
        platform_.SetCaption(MainWindow, PromptLabel, currentItem_.FullText);
    }
}

void DrillSession::ShowResult() {
    if (!tally_) return;
    platform_.ShowWindow(ResultWindow);
    platform_.SetCaption(ResultWindow, ResultTotalLabel, Digits(static_cast<std::uint32_t>(ErrorCount())));
    for (int k = 1; k <= tally_->CategoryCount(); ++k) {
        platform_.SetCaption(ResultWindow, ResultCategoryLabels[static_cast<std::size_t>(k - 1)].Errors,
                             CounterText(tally_->CategoryErrors(k)));
    }
    platform_.SetCaption(ResultWindow, ResultNoAnswerLabel, CounterText(tally_->NoAnswerCount()));
    const Text asked = Position() == 0 ? Text{}
                       : Finished()    ? Digits(static_cast<std::uint32_t>(N()))
                                       : Digits(static_cast<std::uint32_t>(Position()));
    platform_.SetCaption(ResultWindow, ResultAskedLabel, asked);
    for (int k = 1; k <= tally_->CategoryCount(); ++k) {
        platform_.SetCaption(ResultWindow, ResultCategoryLabels[static_cast<std::size_t>(k - 1)].Shown,
                             CounterText(tally_->CategoryShown(k)));
    }
}

void DrillSession::ShowRow(int number) {
    currentItem_ = profile_.Bank.Row(number);
    if (tally_) tally_->CountShown(currentItem_.Number);
    platform_.SetCaption(MainWindow, PromptLabel, currentItem_.Prompt);
}

bool DrillSession::LeaveItem() {
    platform_.SetCaption(MainWindow, ErrorMarkLabel, u"");
    if (State() == DrillState::Unanswered) {
        CountNoAnswer();
        ShowErrorCount();
    }
    return true;
}

void DrillSession::PressOwn(Control button) {
    switch (button) {
        case FirstAnswerButton: AnswerItem(profile_.FirstOption); break;
        case SecondAnswerButton: AnswerItem(profile_.SecondOption); break;
        case ResultButton: ShowResult(); break;
        default: break;
    }
}

void DrillSession::ShowErrorCount() {
    platform_.SetCaption(MainWindow, ErrorCountLabel, Digits(static_cast<std::uint32_t>(ErrorCount())));
}

void DrillSession::CountError() {
    if (tally_) {
        tally_->CountError(currentItem_.Number);
    } else {
        ++errorCount_;
    }
}

void DrillSession::CountNoAnswer() {
    if (tally_) {
        tally_->CountNoAnswer();
    } else {
        ++errorCount_;
    }
}

}  // namespace drill
