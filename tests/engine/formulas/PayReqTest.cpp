#include "ExpectError.h"
#include "engine/FinanceErrors.h"
#include "engine/formulas/coPayReq.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quarvex::engine {
namespace {

using testing::ExpectError;

// The deposit computed the way a spreadsheet's FV(i, n, -Pmt) checks it: every period the
// balance earns its interest and then takes the deposit.
double AccumulatedDeposits(double pmt, int n, double rate, int pyr, int cmpPyr) {
    const double i = std::pow(1 + rate / (100.0 * cmpPyr), double(cmpPyr) / pyr) - 1;
    double balance = 0;
    for (int k = 0; k < n; ++k) {
        balance = balance * (1 + i) + pmt;
    }
    return balance;
}

struct PayReqCase {
    double fv;
    std::int16_t n;
    double rate;
    std::uint16_t pyr, cmpPyr;
    double pmt, principal, gain, years, toDouble; // reference values
};

// Worked with a spreadsheet's PMT(i, n, 0, -FV) and LN(2) / (c * LN(1 + r / c)).
const PayReqCase kPayReqCases[] = {
    {10000, 120, 6, 12, 12, 61.020502, 7322.460233, 2677.539767, 10, 11.581310},
    {50000, 40, 8, 4, 4, 827.787390, 33111.495595, 16888.504405, 10, 8.750697},
    {25000, 60, 7.5, 12, 2, 345.725631, 20743.537872, 4256.462128, 5, 9.414186},
    {1000, 52, 5, 52, 365, 18.763057, 975.678977, 24.321023, 1, 13.863893},
    {10000, 10, 10, 1, 12, 613.418408, 6134.184084, 3865.815916, 10, 6.960313},
};

TEST(coPayReq, MatchesTheSpreadsheetFigures) {
    for (const auto& c : kPayReqCases) {
        coPayReq req;
        req.Init(c.fv, c.n, c.rate, c.pyr, c.cmpPyr);
        req.Calculate();
        SCOPED_TRACE(::testing::Message() << "FV " << c.fv << " n " << c.n << " rate " << c.rate
                                          << " p " << c.pyr << " c " << c.cmpPyr);
        EXPECT_NEAR(req.Pmt, c.pmt, 1e-6);
        EXPECT_NEAR(req.Principal, c.principal, 1e-5);
        EXPECT_NEAR(req.Gain, c.gain, 1e-5);
        EXPECT_FLOAT_EQ(req.NumYears, float(c.years));
        EXPECT_NEAR(req.TimeToDouble, c.toDouble, 1e-5);
        EXPECT_NEAR(AccumulatedDeposits(req.Pmt, c.n, c.rate, c.pyr, c.cmpPyr), c.fv, 1e-6);
    }
}

TEST(coPayReq, TheReferenceDepositShownToCents) {
    coPayReq req;
    req.Init(10000, 120, 6, 12, 12);
    req.Calculate();
    EXPECT_EQ(std::round(req.Pmt * 100) / 100, 61.02);
    // The total is of the unrounded deposit: 120 x 61.02 would be 7 322.40.
    EXPECT_EQ(std::round(req.Principal * 100) / 100, 7322.46);
    EXPECT_EQ(std::round(req.Gain * 100) / 100, 2677.54);
    EXPECT_EQ(req.NumYears, 10.0f);
    EXPECT_EQ(std::round(double(req.TimeToDouble) * 100) / 100, 11.58);
}

TEST(coPayReq, AZeroRateNeedsTheTargetSpreadOverTheDeposits) {
    for (const double rate : {0.0, 0.00009, -0.00009}) {
        coPayReq req;
        req.Init(10000, 120, rate, 12, 12);
        req.Calculate();
        EXPECT_EQ(req.Pmt, 10000.0 / 120) << "rate " << rate;
        EXPECT_NEAR(req.Principal, 10000, 1e-9) << "rate " << rate;
        EXPECT_NEAR(req.Gain, 0, 1e-9) << "rate " << rate;
        EXPECT_EQ(req.TimeToDouble, 0.0f) << "rate " << rate; // never doubles
    }
}

TEST(coPayReq, ARateJustAboveZeroStaysCloseToTheZeroRateDeposit) {
    coPayReq req;
    req.Init(10000, 360, 0.0001, 365, 365);
    req.Calculate();
    EXPECT_NEAR(req.Pmt, 10000.0 / 360, 0.001);
    EXPECT_TRUE(std::isfinite(req.TimeToDouble));
    EXPECT_GT(req.TimeToDouble, 1000.0f);
}

TEST(coPayReq, ANegativeRateStillHasADepositButNeverDoubles) {
    coPayReq req;
    req.Init(10000, 12, -12, 12, 12);
    req.Calculate();
    EXPECT_NEAR(AccumulatedDeposits(req.Pmt, 12, -12, 12, 12), 10000, 1e-6);
    EXPECT_GT(req.Pmt, 10000.0 / 12);
    EXPECT_LT(req.Gain, 0);
    EXPECT_EQ(req.TimeToDouble, 0.0f);
}

TEST(coPayReq, RefusesTermsAndCountsItCannotDivideBy) {
    const std::pair<std::int16_t, const char*> terms[] = {
        {0, testing::kTermZero}, {-1, testing::kTermNegative}, {-120, testing::kTermNegative}};
    for (const auto& [n, text] : terms) {
        coPayReq req;
        ExpectError<EFinance>([&, n = n] { req.Init(10000, n, 6, 12, 12); }, text);
    }
    coPayReq req;
    ExpectError<EInternalError>([&] { req.Init(10000, 120, 6, 12, 0); }, testing::kZeroCompounding);
    ExpectError<EInternalError>([&] { req.Init(10000, 120, 6, 0, 12); },
                                "Internal Error - payment period equals 0.");
}

TEST(coPayReq, CalculateWithoutInitRefusesTheZeroTerm) {
    coPayReq req;
    ExpectError<EFinance>([&] { req.Calculate(); }, testing::kTermZero);
}

TEST(coPayReq, ARateThatLosesEverythingEachPeriodIsOutOfRangeAndChangesNothing) {
    coPayReq req;
    req.Init(10000, 120, 6, 12, 12);
    req.Calculate();
    const double pmt = req.Pmt;
    // -1 200 % a year is -100 % a month; -3 000 % compounded twice a year has no monthly root.
    for (const auto& [rate, cmpPyr] : {std::pair{-1200.0, 12}, {-3000.0, 2}, {-5000.0, 12}}) {
        req.Init(10000, 120, rate, 12, static_cast<std::uint16_t>(cmpPyr));
        ExpectError<EFinance>([&] { req.Calculate(); }, testing::kOutOfRange);
        EXPECT_EQ(req.Pmt, pmt) << rate;
    }
}

TEST(coPayReq, NoResultIsEverInfiniteOrNotANumber) {
    const double rates[] = {0, 0.0001, 0.5, 6, 99.99, 1000, 50000, -50, -1199};
    const std::int16_t terms[] = {1, 2, 120, 32767};
    const std::uint16_t counts[] = {1, 12, 365};
    for (const double rate : rates) {
        for (const std::int16_t n : terms) {
            for (const std::uint16_t p : counts) {
                for (const std::uint16_t c : counts) {
                    coPayReq req;
                    req.Init(1e9, n, rate, p, c);
                    try {
                        req.Calculate();
                    } catch (const EFinance& error) {
                        EXPECT_EQ(error.Code(), kFinOutOfRange);
                        continue;
                    }
                    SCOPED_TRACE(::testing::Message() << rate << " " << n << " " << p << " " << c);
                    EXPECT_TRUE(std::isfinite(req.Pmt));
                    EXPECT_TRUE(std::isfinite(req.Principal));
                    EXPECT_TRUE(std::isfinite(req.Gain));
                    EXPECT_TRUE(std::isfinite(req.NumYears));
                    EXPECT_TRUE(std::isfinite(req.TimeToDouble));
                }
            }
        }
    }
}

} // namespace
} // namespace quarvex::engine
