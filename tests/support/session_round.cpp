#include "tests/support/session_round.h"

#include <algorithm>

#include "engine/controls.h"
#include "engine/drill_session.h"
#include "engine/result_tally.h"

namespace drill::testing {

SessionRound::SessionRound(const DrillProfile& profile, const std::vector<int>& firstItems)
    : session(profile, platform) {
    platform.ScriptOrder(firstItems, profile.Bank.Size());
}

void SessionRound::Press(std::initializer_list<Control> buttons) {
    for (const Control button : buttons) session.Press(button);
}

Log SessionRound::WrittenBy(Control button) {
    platform.TakeLog();
    session.Press(button);
    return platform.TakeLog();
}

Log SessionRound::Result() {
    platform.TakeLog();
    session.ShowResult();
    return platform.TakeLog();
}

Control SessionRound::RightButton() const {
    return session.CurrentItem().CorrectOption == session.Profile().FirstOption ? FirstAnswerButton : SecondAnswerButton;
}

Control SessionRound::WrongButton() const {
    return RightButton() == FirstAnswerButton ? SecondAnswerButton : FirstAnswerButton;
}

Log ResultLog(int total, const std::vector<int>& errors, int noAnswer, const std::string& asked,
              const std::vector<int>& shown) {
    const auto line = [](Control label, const std::string& text) {
        return FormName(ResultWindow) + "." + std::string(ControlName(label)) + " = " + text;
    };
    const auto counter = [](int value) { return value == 0 ? std::string{} : std::to_string(value); };
    Log log = {"show " + FormName(ResultWindow), line(ResultTotalLabel, std::to_string(total))};
    for (std::size_t k = 0; k < errors.size(); ++k) log.push_back(line(ResultCategoryLabels[k].Errors, counter(errors[k])));
    log.push_back(line(ResultNoAnswerLabel, counter(noAnswer)));
    log.push_back(line(ResultAskedLabel, asked));
    for (std::size_t k = 0; k < shown.size(); ++k) log.push_back(line(ResultCategoryLabels[k].Shown, counter(shown[k])));
    return log;
}

::testing::AssertionResult TallyInvariantsHold(const DrillSession& session) {
    if (!session.Tally()) return ::testing::AssertionFailure() << "the profile has no result categories";
    const ResultTally& tally = *session.Tally();
    const auto categories = session.Profile().Categories;
    const int n = session.Profile().Bank.Size();
    int errorSum = tally.NoAnswerCount().value_or(0);
    int shownSum = 0;
    for (int k = 1; k <= tally.CategoryCount(); ++k) {
        const int errors = tally.CategoryErrors(k).value_or(0);
        const int shown = tally.CategoryShown(k).value_or(0);
        const ResultCategory& range = categories[static_cast<std::size_t>(k - 1)];
        const int size = range.LastNumber - range.FirstNumber + 1;
        if (errors > shown || shown > size) {
            return ::testing::AssertionFailure() << "category " << k << ": " << errors << " errors of " << shown
                                                 << " shown, of " << size;
        }
        errorSum += errors;
        shownSum += shown;
    }
    if (session.ErrorCount() != errorSum) {
        return ::testing::AssertionFailure() << "the error count " << session.ErrorCount() << " is not the tally's sum "
                                             << errorSum;
    }
    if (session.ErrorCount() > n) return ::testing::AssertionFailure() << "more errors than items: " << session.ErrorCount();
    if (session.Position() > 0 && shownSum != std::min(session.Position(), n)) {
        return ::testing::AssertionFailure() << shownSum << " items counted as shown at position " << session.Position();
    }
    return ::testing::AssertionSuccess();
}

}  // namespace drill::testing
