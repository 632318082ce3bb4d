#include "ExpectError.h"
#include "engine/FinanceErrors.h"
#include "engine/formulas/coPreValAmt.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quarvex::engine {
namespace {

using testing::ExpectError;

struct PreValCase {
    double fv;
    std::int16_t n;
    std::uint16_t cmpPyr;
    double rate;
    double pva; // a spreadsheet's PV(r / c, n, 0, -FV)
    float years;
};

const PreValCase kCases[] = {
    {10000, 10, 1, 5, 6139.132535, 10},  {10000, 120, 12, 6, 5496.327334, 10},
    {5000, 8, 4, 9.5, 4143.989880, 2},   {250000, 30, 1, 3.25, 95771.921045, 30},
    {-1000, 24, 12, 12, -787.566127, 2},
};

TEST(coPreValAmt, MatchesTheSpreadsheetFigures) {
    for (const auto& c : kCases) {
        coPreValAmt pv;
        pv.Init(c.fv, c.n, c.cmpPyr, c.rate);
        pv.Calculate();
        SCOPED_TRACE(::testing::Message()
                     << "FV " << c.fv << " n " << c.n << " c " << c.cmpPyr << " rate " << c.rate);
        EXPECT_NEAR(pv.PVA, c.pva, 1e-6);
        EXPECT_EQ(pv.NumYears, c.years);
        // Compounding the present value forward period by period gives the amount back.
        double amount = pv.PVA;
        for (int k = 0; k < c.n; ++k) {
            amount *= 1 + c.rate / (100.0 * c.cmpPyr);
        }
        EXPECT_NEAR(amount, c.fv, 1e-6);
    }
}

TEST(coPreValAmt, TheReferenceAmountToCents) {
    coPreValAmt pv;
    pv.Init(10000, 10, 1, 5);
    pv.Calculate();
    EXPECT_EQ(std::round(pv.PVA * 100) / 100, 6139.13);
}

TEST(coPreValAmt, AZeroRateLeavesTheAmountAsItIs) {
    coPreValAmt pv;
    pv.Init(10000, 120, 12, 0);
    pv.Calculate();
    EXPECT_EQ(pv.PVA, 10000);
    EXPECT_EQ(pv.NumYears, 10.0f);
}

TEST(coPreValAmt, RefusesACountItCannotUse) {
    const std::pair<std::int16_t, const char*> terms[] = {{0, testing::kTermZero},
                                                          {-5, testing::kTermNegative}};
    for (const auto& [n, text] : terms) {
        coPreValAmt pv;
        ExpectError<EFinance>([&, n = n] { pv.Init(10000, n, 12, 6); }, text);
    }
    coPreValAmt pv;
    ExpectError<EInternalError>([&] { pv.Init(10000, 12, 0, 6); }, testing::kZeroCompounding);
}

TEST(coPreValAmt, ARateThatLosesEverythingIsOutOfRange) {
    for (const double rate : {-1200.0, -2400.0}) {
        coPreValAmt pv;
        pv.Init(10000, 12, 12, rate);
        ExpectError<EFinance>([&] { pv.Calculate(); }, testing::kOutOfRange);
        EXPECT_EQ(pv.PVA, 0) << rate;
    }
    // Nearly everything lost each period: the present value overflows rather than shows inf.
    coPreValAmt pv;
    pv.Init(1e300, 32767, 1, -99.99);
    ExpectError<EFinance>([&] { pv.Calculate(); }, testing::kOutOfRange);
}

} // namespace
} // namespace quarvex::engine
