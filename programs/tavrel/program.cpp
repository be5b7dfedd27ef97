#include "programs/tavrel/tavrel.h"

#include "engine/controls.h"

namespace tavrel {

namespace {

// The letters of the answers, typed in either keyboard layout.
constexpr drillwin::AnswerLetters Letters[] = {
    {drill::FirstAnswerButton, u"е"},
    {drill::SecondAnswerButton, u"и"},
};

}  // namespace

const drillwin::ProgramDescription& Program() {
    static const drillwin::ProgramDescription program = drillwin::ChoiceDrillProgram(Forms, Profile, Letters);
    return program;
}

}  // namespace tavrel
