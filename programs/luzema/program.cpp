#include "engine/comma_drill.h"
#include "engine/controls.h"
#include "programs/luzema/luzema.h"

namespace luzema {

const drillui::ProgramDescription& Program() {
    static const drillui::ProgramDescription program{
        Forms, [](drill::Platform& platform) { return std::make_unique<drill::CommaDrill>(Bank(), MessageTitle, platform); },
        // The pupil answers in the sentence itself: Ctrl+Enter there checks it.
        {{}, drillui::AnswerBox{drill::SentenceBox, u"Предложение", drill::CheckButton}}};
    return program;
}

}  // namespace luzema
