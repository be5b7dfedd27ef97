#pragma once
// Names each case of a data-driven test by its name field, so that the test list and every failure
// say which case it is: INSTANTIATE_TEST_SUITE_P(..., ..., ::testing::Values(...), CaseName()).

#include <gtest/gtest.h>

#include <string>

namespace drill::testing {

struct CaseName {
    template <typename Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
        return info.param.name;
    }
};

}  // namespace drill::testing
