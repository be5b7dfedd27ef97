#pragma once
// State-transition tables of the drills: each row brings a fresh drill to a state, presses one
// button, and states all that the press writes and the counters it leaves.

#include <gtest/gtest.h>

#include <ostream>

#include "tests/support/case_name.h"
#include "tests/support/recording_platform.h"

namespace drill::testing {

template <typename State>
struct Transition {
    const char* name;
    State state;
    Control button;
    Log expectedLog;  // everything the press writes, in order; nothing more
    int position;
    int answerCount;
    int errorCount;
};

template <typename State>
void PrintTo(const Transition<State>& transition, std::ostream* out) {
    *out << transition.name;
}

// Presses the row's button on a drill already brought to the row's state.
template <typename Drill, typename State>
void ExpectTransition(RecordingPlatform& platform, Drill& drill, const Transition<State>& transition) {
    platform.TakeLog();
    drill.Press(transition.button);
    EXPECT_EQ(platform.log, transition.expectedLog);
    EXPECT_EQ(drill.Position(), transition.position);
    EXPECT_EQ(drill.AnswerCount(), transition.answerCount);
    EXPECT_EQ(drill.ErrorCount(), transition.errorCount);
}

}  // namespace drill::testing
