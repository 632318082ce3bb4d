// The computation objects of the net present value and IRR calculators and of the APR.
#include "engine/FinanceErrors.h"
#include "engine/cashflow/coIRR.h"
#include "engine/cashflow/coNetPV.h"
#include "framework/dates/Calendar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace quarvex::engine {
namespace {

using dates::DMYToDayNumber;

// -1000 on 1 January 2001, then twelve monthly flows of 100 (13 periods).
class TwelveMonthlyFlows : public ::testing::Test {
protected:
    void SetUp() override {
        dates::DayNumber date = start;
        periodic.push_back({date, -1000});
        dated.push_back({date, -1000});
        for (int month = 2; month <= 13; ++month) {
            date = DMYToDayNumber(1, (month - 1) % 12 + 1, 2001 + (month - 1) / 12);
            periodic.push_back({date, 100});
            dated.push_back({date, 100});
        }
    }

    const dates::DayNumber start = DMYToDayNumber(1, 1, 2001);
    std::vector<TPeriodicCashFlow> periodic;
    std::vector<TDatedCashFlow> dated;
};

TEST_F(TwelveMonthlyFlows, NetPresentValueInPeriodsMode) {
    coNetPV engine;
    engine.Init(start, 12, periodic, 12); // the annual discount rate as entered
    engine.Calculate();
    EXPECT_NEAR(engine.NPV, 125.507747348463, 1e-9);
    EXPECT_EQ(engine.Dated, 0);
}

TEST_F(TwelveMonthlyFlows, ExactDayModeDiscountsWithTheAnnualRate) {
    coNetPV engine;
    engine.Init(start, 12, dated, 12);
    engine.Calculate();
    // Each flow over its days at 12 % a year, 365 days to the year.
    double expected = 0;
    for (const TDatedCashFlow& flow : dated) {
        expected += static_cast<double>(flow.Amount) / std::pow(1.12, (flow.Date - start) / 365.0);
    }
    EXPECT_NEAR(engine.NPV, expected, 1e-9);
    EXPECT_EQ(engine.Dated, 1);
}

TEST_F(TwelveMonthlyFlows, IrrInPeriodsModeIsNominalAnnual) {
    coIRR engine;
    engine.Init(start, periodic, 12);
    engine.Calculate();
    EXPECT_NEAR(static_cast<double>(engine.IRR), 35.07424892296034, 1e-7); // 2.9229 % x 12
}

TEST_F(TwelveMonthlyFlows, IrrInExactDayModeIsEffectiveAnnual) {
    coIRR engine;
    engine.Init(start, dated, 12);
    engine.Calculate();
    // The rate at which the dated present value is zero.
    coNetPV check;
    check.Init(start, 12, dated, engine.IRR);
    check.Calculate();
    EXPECT_NEAR(check.NPV, 0.0, 1e-8);
    EXPECT_GT(engine.IRR, 35.07); // effective exceeds nominal
}

TEST(CoNetPV, DatesOutOfOrderAreReportedNotTurnedIntoZero) {
    const std::vector<TDatedCashFlow> flows = {{DMYToDayNumber(1, 6, 2001), -100},
                                               {DMYToDayNumber(1, 7, 2001), 50},
                                               {DMYToDayNumber(1, 5, 2001), 60}};
    coNetPV engine;
    engine.Init(flows[0].Date, 12, flows, 10);
    try {
        engine.Calculate();
        FAIL() << "no error";
    } catch (const EDateSequenceError& error) {
        EXPECT_STREQ(error.what(), "Ending date is earlier than starting date.");
    }
    EXPECT_EQ(engine.NPV, 0);
}

TEST(CoNetPV, FailureKeepsThePreviousResult) {
    std::vector<TPeriodicCashFlow> flows = {{0, -1000}, {0, 1100}};
    coNetPV engine;
    engine.Init(0, 1, flows, 5);
    engine.Calculate();
    const double previous = engine.NPV;
    engine.Rate = -100; // a rate that cannot discount
    EXPECT_THROW(engine.Calculate(), EFinance);
    EXPECT_EQ(engine.NPV, previous);
}

TEST(CoNetPV, PeriodicFlowsNeedPaymentsPerYear) {
    std::vector<TPeriodicCashFlow> flows = {{0, -1000}, {0, 1100}};
    coNetPV engine;
    engine.Init(0, 0, flows, 5);
    EXPECT_THROW(engine.Calculate(), EInternalError);
}

TEST(CoIRR, FailuresReachTheCallerWithTheirText) {
    const std::vector<TDatedCashFlow> early = {{DMYToDayNumber(1, 6, 2001), -100},
                                               {DMYToDayNumber(1, 5, 2001), 110}};
    coIRR dated;
    dated.Init(early[0].Date, early, 12);
    EXPECT_THROW(dated.Calculate(), EDateSequenceError);
    EXPECT_EQ(dated.IRR, 0);

    const std::vector<TPeriodicCashFlow> positive = {{0, 100}, {0, 100}};
    coIRR periodic;
    periodic.Init(0, positive, 12);
    try {
        periodic.Calculate();
        FAIL() << "no error";
    } catch (const EFinError& error) {
        EXPECT_STREQ(error.what(), "Sorry, can't derive IRR.");
    }
}

TEST(CoIRR, AprOfALoanWithALongFirstPeriod) {
    // 10 000 less 200 of fees, twelve payments of 850, the first 1.5 months out.
    std::vector<TOffsetCashFlow> flows = {{-9800}};
    for (int k = 0; k < 12; ++k) {
        flows.push_back({850});
    }
    coIRR engine;
    engine.InitApr(flows, 1.5, 12);
    engine.CalculateApr();
    EXPECT_NEAR(static_cast<double>(engine.IRR), 6.9115742662667845, 1e-7);
}

TEST(CoIRR, AprAtOrAboveHundredPercentIsRefused) {
    // 1 000 against twelve monthly payments of 200: about 197 % a year.
    std::vector<TOffsetCashFlow> flows = {{-1000}};
    for (int k = 0; k < 12; ++k) {
        flows.push_back({200});
    }
    coIRR engine;
    engine.InitApr(flows, 1, 12);
    EXPECT_FALSE(engine.TryApr(0.1L));
    try {
        engine.CalculateApr();
        FAIL() << "no error";
    } catch (const EFinError& error) {
        EXPECT_STREQ(error.what(), "Sorry, can't derive APR.");
    }
}

TEST(CoIRR, AprWithoutARateIsRefused) {
    const std::vector<TOffsetCashFlow> flows = {{100}, {50}};
    coIRR engine;
    engine.InitApr(flows, 1, 12);
    EXPECT_FALSE(engine.TryApr(0.1L));
    EXPECT_EQ(engine.IRR, kAprFailed);
    EXPECT_THROW(engine.CalculateApr(), EFinError);
}

TEST(CoIRR, NegativeAprIsAccepted) {
    // Payments adding up to less than the amount: a negative rate, within +-100 %.
    std::vector<TOffsetCashFlow> flows = {{-1200}};
    for (int k = 0; k < 12; ++k) {
        flows.push_back({99});
    }
    coIRR engine;
    engine.InitApr(flows, 1, 12);
    engine.CalculateApr();
    EXPECT_LT(engine.IRR, 0);
    EXPECT_GT(engine.IRR, -100);
}

} // namespace
} // namespace quarvex::engine
