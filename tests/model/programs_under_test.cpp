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

}  // namespace model
