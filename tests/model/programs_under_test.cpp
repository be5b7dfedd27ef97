#include "tests/model/programs_under_test.h"

#include <algorithm>
#include <cctype>

#include "programs/fendrok/fendrok.h"
#include "programs/gondila/gondila.h"
#include "programs/luzema/luzema.h"
#include "programs/mirskav/mirskav.h"
#include "programs/tavrel/tavrel.h"
#include "tests/model/program_facts.h"
#if __has_include("luzema.h")
#include "programs/luzema/luzema.h"
#define DRILL_HAS_LUZEMA 1
#endif

namespace model {

const std::vector<ProgramUnderTest>& ProgramsUnderTest() {
    static const std::vector<ProgramUnderTest> programs = [] {
        std::vector<ProgramUnderTest> all;
        all.push_back({TavrelFacts(tavrel::Profile.Bank), tavrel::Program().makeDrill, &tavrel::Program()});
        all.push_back({GondilaFacts(gondila::Profile.Bank), gondila::Program().makeDrill, &gondila::Program()});
        all.push_back({MirskavFacts(mirskav::Profile.Bank), mirskav::Program().makeDrill, &mirskav::Program()});
        all.push_back({LuzemaFacts(luzema::Bank()), luzema::Program().makeDrill, &luzema::Program()});
        all.push_back({FendrokFacts(fendrok::Profile.Bank), fendrok::Program().makeDrill, &fendrok::Program()});
        return all;
    }();
    return programs;
}

const ProgramUnderTest* FindProgram(std::string_view name) {
    for (const ProgramUnderTest& program : ProgramsUnderTest()) {
        const std::string_view own = program.Facts.Name;
        if (std::equal(own.begin(), own.end(), name.begin(), name.end(),
                       [](char a, char b) { return std::tolower(a) == std::tolower(b); })) {
            return &program;
        }
    }
    return nullptr;
}

}  // namespace model
