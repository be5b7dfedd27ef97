#include "programs/gondila/gondila.h"

#include "engine/controls.h"

namespace gondila {

namespace {

// The letters of the answers, typed in either keyboard layout; "ё (е)" takes both its letters.
constexpr drillwin::AnswerLetters Letters[] = {
    {drill::FirstAnswerButton, u"о"},
    {drill::SecondAnswerButton, u"ёе"},
};

}  // namespace

const drillwin::ProgramDescription& Program() {
    static const drillwin::ProgramDescription program = drillwin::ChoiceDrillProgram(Forms, Profile, Letters);
    return program;
}

}  // namespace gondila
