#include "tests/model/programs_under_test.h"

#include <algorithm>
#include <cctype>

namespace model {

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

std::vector<const ProgramUnderTest*> Programs(std::optional<Variant> kind) {
    std::vector<const ProgramUnderTest*> programs;
    for (const ProgramUnderTest& program : ProgramsUnderTest()) {
        if (!kind || program.Facts.Kind == *kind) programs.push_back(&program);
    }
    return programs;
}

}  // namespace model
