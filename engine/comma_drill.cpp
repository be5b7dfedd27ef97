#include "engine/comma_drill.h"

#include "engine/controls.h"

namespace drill {

CommaDrill::CommaDrill(const SentenceBank& bank, TextView messageTitle, Platform& platform)
    : bank_(bank), messageTitle_(messageTitle), platform_(platform), questionOrder_(bank.Size()) {}

void CommaDrill::StartRound() {
    if (position_ != 0) return;
    questionOrder_.Draw(platform_);
    position_ = 1;
    LoadSentence();
    platform_.SetText(SentenceBox, shownText_);
    platform_.SetCaption(MainWindow, PositionLabel, Digits(1));
}

void CommaDrill::RestoreSentence() {
    if (answerCount_ != 0) {
        Warn(RestoreWarning);
        return;
    }
    // Before the start the shown text is empty, so this empties the box.
    platform_.SetText(SentenceBox, shownText_);
}

void CommaDrill::CheckCommas() {
    if (position_ > N() || position_ == 0) return;
    ++answerCount_;
    if (answerCount_ > 1) {
        platform_.SetText(SentenceBox, u"");
        return;
    }
    const Text answer = platform_.GetText(SentenceBox);
    if (answer == expectedText_) {
        platform_.SetCaption(MainWindow, VerdictLabel, RightVerdict);
        return;
    }
    ++errorCount_;
    platform_.SetCaption(MainWindow, AnswerShownLabel, answer);
    platform_.SetCaption(MainWindow, ErrorCountLabel, Digits(errorCount_));
    platform_.SetCaption(MainWindow, VerdictLabel, WrongVerdict);
}

void CommaDrill::NextItem() {
    if (position_ == 0) return;
    if (answerCount_ == 0 && platform_.GetText(SentenceBox) != shownText_) {
        Warn(ConfirmWarning);
        return;
    }
    platform_.SetCaption(MainWindow, AnswerShownLabel, u"");
    platform_.SetCaption(MainWindow, VerdictLabel, u"");
    if (answerCount_ == 0 && position_ <= N()) {
        ++errorCount_;
        platform_.SetCaption(MainWindow, ErrorCountLabel, Digits(errorCount_));
    }
    answerCount_ = 0;
    ++position_;
    if (position_ > N()) {
        platform_.ShowMessage(CommaEndMessage, MessageStyle::Information, messageTitle_);
        return;
    }
    LoadSentence();
    platform_.SetText(SentenceBox, shownText_);
    platform_.SetCaption(MainWindow, PositionLabel, Digits(static_cast<std::uint32_t>(position_)));
}

bool CommaDrill::RulesAllowed() {
    if (position_ > N()) return true;
    if (answerCount_ == 0 && position_ > 0) {
        Warn(RulesWarning);
        return false;
    }
    return true;
}

void CommaDrill::Press(Control button) {
    switch (button) {
        case RulesButton:
            if (RulesAllowed()) platform_.ShowWindow(RulesWindow);
            break;
        case StartButton: StartRound(); break;
        case RestoreButton: RestoreSentence(); break;
        case CheckButton: CheckCommas(); break;
        case NextButton: NextItem(); break;
        case ExitButton: platform_.EndProgram(); break;
        default: break;
    }
}

DrillState CommaDrill::State() const {
    if (position_ == 0) return DrillState::NotStarted;
    if (position_ > N()) return DrillState::Finished;
    return answerCount_ == 0 ? DrillState::Unanswered : DrillState::Answered;
}

void CommaDrill::LoadSentence() {
    const SentenceItem& row = bank_.Row(questionOrder_.Slot(position_));
    shownText_ = row.ShownText;
    expectedText_ = row.ExpectedText;
}

void CommaDrill::Warn(TextView text) {
    platform_.ShowMessage(text, MessageStyle::Warning, messageTitle_);
}

}  // namespace drill
