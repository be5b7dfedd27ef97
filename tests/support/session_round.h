#pragma once
// A round of a choice drill on the recording platform, and what its result window is written with.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "engine/drill_session.h"
#include "tests/support/recording_platform.h"

namespace drill::testing {

// The session of a profile on the recording platform. The draw shows firstItems first, in that
// order; the platform's own generator draws the rest.
struct SessionRound {
    RecordingPlatform platform;
    DrillSession session;

    explicit SessionRound(const DrillProfile& profile, const std::vector<int>& firstItems = {});

    void Start() { session.StartRound(); }
    void Press(Control button) { session.Press(button); }
    void Press(std::initializer_list<Control> buttons);
    // What "Результат" writes now.
    Log Result();
};

// What "Результат" writes, in the order it writes it. Errors and shown counts run over the
// categories; 0 in them or in noAnswer stands for an unset counter, shown as an empty label.
Log ResultLog(int total, const std::vector<int>& errors, int noAnswer, const std::string& asked,
              const std::vector<int>& shown);

// The invariants of the result tally, which hold between any two presses: no category has more
// errors than items shown or more shown than it holds, the error count is the tally's sum, and
// after the start every item up to the one on show has been counted once.
::testing::AssertionResult TallyInvariantsHold(const DrillSession& session);

}  // namespace drill::testing
