// Where a round stands after each press, in both kinds of drill: the windows send the focus and the
// Enter key by it, so a wrong answer here lets an Enter skip an item or strands the focus.

#include <gtest/gtest.h>

#include <vector>

#include "engine/comma_drill.h"
#include "engine/drill_session.h"
#include "tests/support/recording_platform.h"

namespace drill {
namespace {

using testing::RecordingPlatform;
using testing::Utf16;

constexpr DrillItem Items[] = {
    {1, u"пр_тих", u"и", u"притих"},
    {2, u"пр_рвать", u"е", u"прервать"},
};
const DrillProfile Profile{.Bank = ItemBank(Items), .FirstOption = u"е", .SecondOption = u"и"};

constexpr SentenceItem Sentences[] = {
    {1, u"Лодка плывущая по реке качнулась.", u"Лодка, плывущая по реке, качнулась."},
    {2, u"Внимание лося привлёк звук послышавшийся сверху.", u"Внимание лося привлёк звук, послышавшийся сверху."},
};
constexpr SentenceBank Bank(Sentences);

struct Step {
    const char* what;
    Control button;
    DrillState after;
    const char* typed = nullptr;  // the sentence drill: the text box's content before the press
};

void Play(Drill& drill, RecordingPlatform& platform, const std::vector<Step>& steps) {
    EXPECT_EQ(drill.State(), DrillState::NotStarted);
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        if (step.typed) platform.text1 = Utf16(step.typed);
        drill.Press(step.button);
        EXPECT_EQ(drill.State(), step.after);
    }
}

TEST(DrillState, FollowsAChoiceRound) {
    RecordingPlatform platform;
    DrillSession session(Profile, platform);
    Play(session, platform,
         {
             {"an answer before the start", Control::Command3, DrillState::NotStarted},
             {"next before the start", Control::Command5, DrillState::NotStarted},
             {"the rules before the start", Control::Command1, DrillState::NotStarted},
             {"the start", Control::Command2, DrillState::Unanswered},
             {"the rules refused", Control::Command1, DrillState::Unanswered},
             {"the start again", Control::Command2, DrillState::Unanswered},
             {"an answer", Control::Command3, DrillState::Answered},
             {"the other answer after it", Control::Command4, DrillState::Answered},
             {"the rules allowed", Control::Command1, DrillState::Answered},
             {"the next item", Control::Command5, DrillState::Unanswered},
             {"the last item skipped", Control::Command5, DrillState::Finished},
             {"an answer after the end", Control::Command4, DrillState::Finished},
             {"next after the end", Control::Command5, DrillState::Finished},
         });
}

TEST(DrillState, FollowsASentenceRound) {
    RecordingPlatform platform;
    CommaDrill drill(Bank, u"Luzema", platform);
    Play(drill, platform,
         {
             {"a check before the start", Control::Command4, DrillState::NotStarted},
             {"the start", Control::Command2, DrillState::Unanswered},
             {"next refused on an edited sentence", Control::Command5, DrillState::Unanswered, "Лодка, плывущая"},
             {"the sentence restored", Control::Command3, DrillState::Unanswered},
             {"the check", Control::Command4, DrillState::Answered},
             {"a second check", Control::Command4, DrillState::Answered},
             {"restoring refused after the check", Control::Command3, DrillState::Answered},
             {"the next sentence", Control::Command5, DrillState::Unanswered},
             {"the last sentence skipped", Control::Command5, DrillState::Finished},
             {"a check after the end", Control::Command4, DrillState::Finished},
         });
}

}  // namespace
}  // namespace drill
