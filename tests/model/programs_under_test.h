#pragma once
// The programs whose drills the model checks, each built the way its main window builds it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/model/engine_runner.h"

namespace model {

const std::vector<ProgramUnderTest>& ProgramsUnderTest();
// Null when there is no program of that name (case-insensitive).
const ProgramUnderTest* FindProgram(std::string_view name);

// The programs of one kind (every one without a kind), for the suites fed with each in turn; the
// suites name each case after its program with ProgramName.
std::vector<const ProgramUnderTest*> Programs(std::optional<Variant> kind = std::nullopt);
struct ProgramName {
    template <class Info>
    std::string operator()(const Info& info) const {
        return info.param->Facts.Name;
    }
};

}  // namespace model
