// Present values of cash-flow lists, checked against a spreadsheet's NPV and XNPV definitions
// (NPV(rate, v1..vn) discounts its first value one period, so our amount(0) is added outside)
// and against values computed independently by hand.
#include "engine/FinanceErrors.h"
#include "engine/cashflow/TCalcNPV.h"
#include "framework/dates/Calendar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace quarvex::engine {
namespace {

using dates::DMYToDayNumber;

std::vector<TPeriodicCashFlow> Periodic(std::initializer_list<double> amounts) {
    std::vector<TPeriodicCashFlow> list;
    for (double amount : amounts) {
        list.push_back({0, amount});
    }
    return list;
}

struct PeriodicCase {
    const char* name;
    std::vector<double> amounts;
    int timing;
    double rate;
    double expected;
};

TEST(TCalcNPV, PeriodicFlowsAtPeriodEndsAndStarts) {
    const std::vector<PeriodicCase> cases = {
        // -1000 + NPV(10 %, 500, 500, 500) = 243.43; at period starts 367.77
        {"three returns, ends", {-1000, 500, 500, 500}, 0, 0.10, 243.42599549211104},
        {"three returns, starts", {-1000, 500, 500, 500}, 1, 0.10, 367.76859504132227},
        // -1000 + twelve monthly flows of 100 at 1 % a month
        {"twelve months",
         {-1000, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100},
         0,
         0.01,
         125.507747348463},
        {"initial amount only", {-1000}, 0, 0.10, -1000},
        {"zero rate adds up", {-1000, 400, 400, 400}, 0, 0.0, 200},
        {"negative rate", {-1000, 500, 500}, 0, -0.5, 2000},
    };
    const TCalcNPV npv;
    for (const PeriodicCase& c : cases) {
        std::vector<TPeriodicCashFlow> list;
        for (double amount : c.amounts) {
            list.push_back({0, amount});
        }
        EXPECT_NEAR(static_cast<double>(npv.NPV(list, c.timing, c.rate)), c.expected, 1e-9)
            << c.name;
    }
}

TEST(TCalcNPV, AnyNonZeroTimingMeansPeriodStarts) {
    const TCalcNPV npv;
    const auto list = Periodic({-1000, 500, 500, 500});
    EXPECT_EQ(npv.NPV(list, 7, 0.1L), npv.NPV(list, 1, 0.1L));
}

TEST(TCalcNPV, EmptyListIsWorthNothing) {
    const TCalcNPV npv;
    EXPECT_EQ(npv.NPV({}, 0, 0.1L), 0);
    EXPECT_EQ(npv.DatedNPV({}, 10), 0);
    EXPECT_EQ(npv.OffsetNPV({}, 0.1L, 1), 0);
}

TEST(TCalcNPV, RateOfMinusHundredPercentOrBelowIsOutOfRange) {
    const TCalcNPV npv;
    const auto list = Periodic({-1000, 500});
    for (long double x : {-1.0L, -1.5L}) {
        try {
            npv.NPV(list, 0, x);
            FAIL() << "rate " << static_cast<double>(x);
        } catch (const EFinance& error) {
            EXPECT_EQ(error.Code(), kFinOutOfRange);
        }
    }
    const std::vector<TDatedCashFlow> dated = {{1000, -100}, {1365, 110}};
    EXPECT_THROW(npv.DatedNPV(dated, -100), EFinance);
    const std::vector<TOffsetCashFlow> offset = {{-100}, {110}};
    EXPECT_THROW(npv.OffsetNPV(offset, -1, 1), EFinance);
}

TEST(TCalcNPV, DatedFlowsMatchTheSpreadsheetXnpv) {
    // XNPV(9 %, -10000, 2750, 4250, 3250, 2750) on 1 Jan 2008, 1 Mar 2008, 30 Oct 2008,
    // 15 Feb 2009, 1 Apr 2009 = 2 086.65 (days / 365, whatever the leap years).
    const std::vector<TDatedCashFlow> list = {{DMYToDayNumber(1, 1, 2008), -10000},
                                              {DMYToDayNumber(1, 3, 2008), 2750},
                                              {DMYToDayNumber(30, 10, 2008), 4250},
                                              {DMYToDayNumber(15, 2, 2009), 3250},
                                              {DMYToDayNumber(1, 4, 2009), 2750}};
    const TCalcNPV npv;
    EXPECT_NEAR(static_cast<double>(npv.DatedNPV(list, 9)), 2086.647602031535, 1e-8);
}

TEST(TCalcNPV, DatedFlowOneYearOutIsDiscountedOnce) {
    const TCalcNPV npv;
    const std::vector<TDatedCashFlow> list = {{DMYToDayNumber(1, 1, 2001), -100},
                                              {DMYToDayNumber(1, 1, 2002), 110}};
    EXPECT_NEAR(static_cast<double>(npv.DatedNPV(list, 10)), 0.0, 1e-12);
}

TEST(TCalcNPV, DatedFlowBeforeTheFirstDateIsRefused) {
    const TCalcNPV npv;
    const std::vector<TDatedCashFlow> list = {{DMYToDayNumber(1, 6, 2001), -100},
                                              {DMYToDayNumber(1, 7, 2001), 50},
                                              {DMYToDayNumber(1, 5, 2001), 60}};
    try {
        npv.DatedNPV(list, 10);
        FAIL() << "third date before the first";
    } catch (const EDateSequenceError& error) {
        EXPECT_STREQ(error.what(), "Ending date is earlier than starting date.");
    }
}

TEST(TCalcNPV, OffsetFlowsDiscountTheFirstPaymentByTheOffset) {
    // -9800, then twelve payments of 850 whose first lies 1.5 periods out: at the periodic rate
    // x solving the sum (0.6911574 % x 12) the value is zero; at 1 % a period it is, by hand,
    // -9800 + 850 x sum of 1.01^-(k + 1.5), k = 0..11.
    std::vector<TOffsetCashFlow> list = {{-9800}};
    for (int k = 0; k < 12; ++k) {
        list.push_back({850});
    }
    const TCalcNPV npv;
    double expected = -9800;
    for (int k = 0; k < 12; ++k) {
        expected += 850 / std::pow(1.01, k + 1.5);
    }
    EXPECT_NEAR(static_cast<double>(npv.OffsetNPV(list, 0.01L, 1.5L)), expected, 1e-9);
    EXPECT_NEAR(static_cast<double>(npv.OffsetNPV(list, 6.9115742662667845L / 1200, 1.5L)), 0.0,
                1e-7);
    // An offset of 0 leaves the first payment undiscounted (payments in advance).
    EXPECT_NEAR(static_cast<double>(npv.OffsetNPV(list, 0.0L, 0.0L)), -9800 + 12 * 850, 1e-9);
}

} // namespace
} // namespace quarvex::engine
