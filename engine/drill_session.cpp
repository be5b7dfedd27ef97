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
    const auto showFullText = [this] { platform_.SetCaption(MainWindow, PromptLabel, currentItem_.FullText); };
    if (Finished()) {
        showFullText();
        return;
    }
    if (Position() == 0) return;
    const bool wrongFirstAnswer = CountAnswer() == 1 && option != currentItem_.CorrectOption;
    if (!wrongFirstAnswer) {
        showFullText();
        return;
    }
    CountError();
    if (tally_) tally_->CountError(currentItem_.Number);
    platform_.SetCaption(MainWindow, ErrorMarkLabel, ErrorMark);
    if (profile_.WrongAnswer == WrongAnswerWrites::CountThenFullText) {
        ShowErrorCount();
        showFullText();
    } else {
        showFullText();
        ShowErrorCount();
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
    return true;
}

void DrillSession::ItemLeftUnanswered() {
    if (tally_) tally_->CountNoAnswer();
}

void DrillSession::PressOwn(Control button) {
    switch (button) {
        case FirstAnswerButton: AnswerItem(profile_.FirstOption); break;
        case SecondAnswerButton: AnswerItem(profile_.SecondOption); break;
        case ResultButton: ShowResult(); break;
        default: break;
    }
}

}  // namespace drill
