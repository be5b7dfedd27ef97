#include "engine/drill_session.h"

#include <cassert>

#include "engine/controls.h"

namespace drill {

DrillSession::DrillSession(const DrillProfile& profile, Platform& platform)
    : profile_(profile), platform_(platform), questionOrder_(profile.Bank.Size()) {
    assert(profile.Categories.size() <= ResultCategoryLabels.size() && "one result row per category");
    if (!profile.Categories.empty()) tally_.emplace(profile.Categories);
}

void DrillSession::StartRound() {
    if (position_ != 0) return;
    questionOrder_.Draw(platform_);
    position_ = 1;
    LoadItem();
    ShowItem();
}

void DrillSession::AnswerItem(TextView option) {
    if (Finished()) {
        platform_.SetCaption(MainWindow, PromptLabel, currentItem_.FullText);
        return;
    }
    if (position_ == 0) return;
    ++answerCount_;
    const bool wrongFirstAnswer = answerCount_ == 1 && option != currentItem_.CorrectOption;
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

void DrillSession::NextItem() {
    if (position_ == 0) return;
    platform_.SetCaption(MainWindow, ErrorMarkLabel, u"");
    if (answerCount_ == 0 && position_ <= N()) {
        CountNoAnswer();
        ShowErrorCount();
    }
    answerCount_ = 0;
    ++position_;
    if (Finished()) {
        platform_.ShowMessage(profile_.EndMessage, profile_.EndIcon, profile_.MessageTitle);
        return;
    }
    LoadItem();
    ShowItem();
}

bool DrillSession::RulesAllowed() {
    if (Finished()) return true;
    if (position_ > 0 && answerCount_ == 0) {
        platform_.ShowMessage(RulesWarning, profile_.WarningIcon, profile_.MessageTitle);
        return false;
    }
    return true;
}

void DrillSession::ShowRules() {
    if (!RulesAllowed()) return;
    platform_.ShowWindow(RulesWindow);
    for (const RuleLine& line : profile_.RuleLines) {
        platform_.PlotPoint(RulesWindow, line.X, line.Y);
        platform_.PrintLine(RulesWindow, line.Text);
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
    const Text asked = position_ == 0 ? Text{}
                       : Finished()   ? Digits(static_cast<std::uint32_t>(N()))
                                      : Digits(static_cast<std::uint32_t>(position_));
    platform_.SetCaption(ResultWindow, ResultAskedLabel, asked);
    for (int k = 1; k <= tally_->CategoryCount(); ++k) {
        platform_.SetCaption(ResultWindow, ResultCategoryLabels[static_cast<std::size_t>(k - 1)].Shown,
                             CounterText(tally_->CategoryShown(k)));
    }
}

void DrillSession::Press(Control button) {
    switch (button) {
        case RulesButton: ShowRules(); break;
        case StartButton: StartRound(); break;
        case FirstAnswerButton: AnswerItem(profile_.FirstOption); break;
        case SecondAnswerButton: AnswerItem(profile_.SecondOption); break;
        case NextButton: NextItem(); break;
        case ResultButton: ShowResult(); break;
        case ExitButton: platform_.EndProgram(); break;
        default: break;
    }
}

DrillState DrillSession::State() const {
    if (position_ == 0) return DrillState::NotStarted;
    if (Finished()) return DrillState::Finished;
    return answerCount_ == 0 ? DrillState::Unanswered : DrillState::Answered;
}

void DrillSession::LoadItem() {
    currentItem_ = profile_.Bank.Row(questionOrder_.Slot(position_));
    CountShown();
}

void DrillSession::ShowItem() {
    platform_.SetCaption(MainWindow, PromptLabel, currentItem_.Prompt);
    platform_.SetCaption(MainWindow, PositionLabel, Digits(static_cast<std::uint32_t>(position_)));
}

void DrillSession::ShowErrorCount() {
    platform_.SetCaption(MainWindow, ErrorCountLabel, Digits(static_cast<std::uint32_t>(ErrorCount())));
}

void DrillSession::CountShown() {
    if (tally_) tally_->CountShown(currentItem_.Number);
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
