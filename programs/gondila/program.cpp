#include "programs/gondila/gondila.h"

#include "engine/drill_session.h"

namespace gondila {

namespace {

// The letters of the answers, typed in either keyboard layout; "ё (е)" takes both its letters.
constexpr drillui::AnswerLetters Letters[] = {
    {drill::FirstAnswerButton, u"о"},
    {drill::SecondAnswerButton, u"ёе"},
};

}  // namespace

const drillui::ProgramDescription& Program() {
    static const drillui::ProgramDescription program = drillui::ChoiceDrillProgram(Forms, Profile, Letters);
    return program;
}

}  // namespace gondila
