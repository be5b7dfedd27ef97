#include "comma_drill.h"

namespace drill {

CommaDrill::CommaDrill(const SentenceBank& bank, TextView messageTitle, Platform& platform)
    : bank_(bank), messageTitle_(messageTitle), platform_(platform), questionOrder_(bank.Size()) {}

void CommaDrill::StartRound() {
    if (position_ != 0) return;
    questionOrder_.Draw(platform_);
    position_ = 1;
    LoadSentence();
    platform_.SetText(Control::Text1, shownText_);
    platform_.SetCaption(Form::Form1, Control::Label7, Digits(1));
}

void CommaDrill::RestoreSentence() {
    if (answerCount_ != 0) {
        Warn(RestoreWarning);
        return;
    }
    // Before the start the shown text is empty, so this empties the box.
    platform_.SetText(Control::Text1, shownText_);
}

void CommaDrill::CheckCommas() {
    if (position_ > N() || position_ == 0) return;
    ++answerCount_;
    if (answerCount_ > 1) {
        platform_.SetText(Control::Text1, u"");
        return;
    }
    const Text answer = platform_.GetText(Control::Text1);
    if (answer == expectedText_) {
        platform_.SetCaption(Form::Form1, Control::Label1, RightVerdict);
        return;
    }
    ++errorCount_;
    platform_.SetCaption(Form::Form1, Control::Label8, answer);
    platform_.SetCaption(Form::Form1, Control::Label5, Digits(errorCount_));
    platform_.SetCaption(Form::Form1, Control::Label1, WrongVerdict);
}

void CommaDrill::NextItem() {
    if (position_ == 0) return;
    if (answerCount_ == 0 && platform_.GetText(Control::Text1) != shownText_) {
        Warn(ConfirmWarning);
        return;
    }
    platform_.SetCaption(Form::Form1, Control::Label8, u"");
    platform_.SetCaption(Form::Form1, Control::Label1, u"");
    if (answerCount_ == 0 && position_ <= N()) {
        ++errorCount_;
        platform_.SetCaption(Form::Form1, Control::Label5, Digits(errorCount_));
    }
    answerCount_ = 0;
    ++position_;
    if (position_ > N()) {
        platform_.ShowMessage(CommaEndMessage, MessageStyle::Information, messageTitle_);
        return;
    }
    LoadSentence();
    platform_.SetText(Control::Text1, shownText_);
    platform_.SetCaption(Form::Form1, Control::Label7, Digits(static_cast<std::uint32_t>(position_)));
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
        case Control::Command1:
            if (RulesAllowed()) platform_.ShowWindow(Form::Form2);
            break;
        case Control::Command2: StartRound(); break;
        case Control::Command3: RestoreSentence(); break;
        case Control::Command4: CheckCommas(); break;
        case Control::Command5: NextItem(); break;
        case Control::Command7: platform_.EndProgram(); break;
        default: break;
    }
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
