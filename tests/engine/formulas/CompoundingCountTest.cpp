#include "engine/formulas/CompoundingCount.h"
#include "ExpectError.h"
#include "engine/LoanErrors.h"

#include <gtest/gtest.h>

namespace quarvex::engine {
namespace {

TEST(CompoundingCountFor, ContinuousCountsAsDailyAndTheRestFollowTheTable) {
    const std::uint16_t expected[] = {365, 365, 52, 26, 24, 13, 12, 6, 4, 2, 1};
    for (std::uint8_t code = 0; code <= 10; ++code) {
        EXPECT_EQ(CompoundingCountFor(code), expected[code]) << int(code);
    }
}

TEST(CompoundingCountFor, SimpleAndUnknownCodesAreRefused) {
    for (const std::uint8_t code : {11, 12, 255}) {
        testing::ExpectError<ELoanException>([&] { CompoundingCountFor(code); },
                                             "Unsupported compounding period for this calculator.");
    }
}

} // namespace
} // namespace quarvex::engine
