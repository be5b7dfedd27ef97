#include "engine/comma_drill.h"

#include "engine/controls.h"

namespace drill {

CommaDrill::CommaDrill(const SentenceBank& bank, TextView messageTitle, Platform& platform)
    : DrillRound(bank.Size(), {messageTitle, MessageStyle::Warning, CommaEndMessage, MessageStyle::Information}, {},
                 platform),
      bank_(bank) {}

void CommaDrill::RestoreSentence() {
    if (AnswerCount() != 0) {
        Warn(RestoreWarning);
        return;
    }
    // Before the start the shown text is empty, so this empties the box.
    platform_.SetText(SentenceBox, shownText_);
}

void CommaDrill::CheckCommas() {
    if (Position() == 0 || Finished()) return;
    if (CountAnswer() > 1) {
        platform_.SetText(SentenceBox, u"");
        return;
    }
    const Text answer = platform_.GetText(SentenceBox);
    if (answer == expectedText_) {
        platform_.SetCaption(MainWindow, VerdictLabel, RightVerdict);
        return;
    }
    CountError();
    platform_.SetCaption(MainWindow, AnswerShownLabel, answer);
    ShowErrorCount();
    platform_.SetCaption(MainWindow, VerdictLabel, WrongVerdict);
}

void CommaDrill::ShowRow(int number) {
    const SentenceItem& row = bank_.Row(number);
    shownText_ = row.ShownText;
    expectedText_ = row.ExpectedText;
    platform_.SetText(SentenceBox, shownText_);
}

bool CommaDrill::LeaveItem() {
    // An edited box is refused after the end too, where the last sentence stays.
    if (AnswerCount() == 0 && platform_.GetText(SentenceBox) != shownText_) {
        Warn(ConfirmWarning);
        return false;
    }
    platform_.SetCaption(MainWindow, AnswerShownLabel, u"");
    platform_.SetCaption(MainWindow, VerdictLabel, u"");
    return true;
}

void CommaDrill::PressOwn(Control button) {
    switch (button) {
        case RestoreButton: RestoreSentence(); break;
        case CheckButton: CheckCommas(); break;
        default: break;
    }
}

}  // namespace drill
