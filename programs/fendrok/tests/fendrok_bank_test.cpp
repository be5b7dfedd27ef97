// What Fendrok's bank holds beyond what every bank obeys (tests/model/bank_test.cpp).

#include <gtest/gtest.h>

#include "programs/fendrok/bank.h"
#include "tests/support/recording_platform.h"

namespace fendrok {
namespace {

TEST(FendrokBank, EveryWordIsAnAdverbInO) {
    for (const drill::DrillItem& row : Profile.Bank.Rows()) {
        EXPECT_TRUE(row.FullText.ends_with(u'о')) << drill::testing::Utf8(row.FullText);
    }
}

}  // namespace
}  // namespace fendrok
