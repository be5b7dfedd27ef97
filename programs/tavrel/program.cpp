#include "programs/tavrel/tavrel.h"

#include "engine/drill_session.h"

namespace tavrel {

namespace {

// The letters of the answers, typed in either keyboard layout.
constexpr drillui::AnswerLetters Letters[] = {
    {drill::FirstAnswerButton, u"е"},
    {drill::SecondAnswerButton, u"и"},
};

}  // namespace

const drillui::ProgramDescription& Program() {
    static const drillui::ProgramDescription program = drillui::ChoiceDrillProgram(Forms, Profile, Letters);
    return program;
}

}  // namespace tavrel
