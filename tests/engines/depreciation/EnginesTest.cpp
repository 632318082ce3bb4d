#include "engines/depreciation/DepreciationErrors.h"
#include "engines/depreciation/coDecBal.h"
#include "engines/depreciation/coMACRS.h"
#include "engines/depreciation/coSlDep.h"
#include "engines/depreciation/coSumofYears.h"
#include "framework/dates/Calendar.h"

#include <gtest/gtest.h>

#include <vector>

namespace quarvex::engines {
namespace {

std::int32_t FirstOf(int month, int year = 2020) {
    return dates::DMYToDayNumber(1, month, year);
}

std::vector<double> Amounts(const TDepreciationList& list) {
    std::vector<double> amounts;
    for (const auto& row : list) {
        amounts.push_back(row.Depreciation);
    }
    return amounts;
}

void ExpectAmounts(const TDepreciationList& list, const std::vector<double>& expected,
                   double tolerance = 0.005) {
    ASSERT_EQ(list.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(list[i].Depreciation, expected[i], tolerance) << "row " << i + 1;
    }
}

TEST(StraightLine, ProratesTheFirstYearAndEndsAtTheSalvage) {
    struct Case {
        int month;
        float period;
        std::vector<double> amounts;
    };
    const Case cases[] = {
        {4, 5, {1350, 1800, 1800, 1800, 1800, 450}},
        {1, 5, {1800, 1800, 1800, 1800, 1800}},
        // 4.5 years are five: 9 000 over 5.
        {1, 4.5f, {1800, 1800, 1800, 1800, 1800}},
    };
    for (const Case& c : cases) {
        TDepreciationList list;
        coSlDep engine;
        engine.Init(10000, 1000, c.period, 100, FirstOf(c.month), list);
        engine.Calculate();
        ExpectAmounts(list, c.amounts);
        EXPECT_NEAR(list.back().AdjustedBasis, 1000, 1e-9);
        EXPECT_EQ(list.front().YearLabel, "2020");
        EXPECT_EQ(list.back().YearLabel, std::to_string(2019 + list.size()));
    }
}

TEST(SumOfYears, TakesEachYearsDigitsOfTheWholeDepreciableAmount) {
    struct Case {
        int month;
        float period;
        std::vector<double> amounts;
    };
    const Case cases[] = {
        // 9 000 by 5/15, 4/15, 3/15, 2/15, 1/15.
        {1, 5, {3000, 2400, 1800, 1200, 600}},
        {4, 5, {3000, 2400, 1800, 1200, 600, 0}},
        {1, 4.5f, {3000, 2400, 1800, 1200, 600}},
        // 9 000 by 3/6, 2/6, 1/6.
        {1, 3, {4500, 3000, 1500}},
    };
    for (const Case& c : cases) {
        TDepreciationList list;
        coSumofYears engine;
        engine.Init(10000, 1000, c.period, FirstOf(c.month), list);
        engine.Calculate();
        ExpectAmounts(list, c.amounts, 1e-9);
        EXPECT_EQ(list.back().AdjustedBasis, 1000);
    }
}

TEST(DecliningBalance, SwitchesToStraightLineOnEqualityAndStopsAtTheSalvage) {
    struct Case {
        double salvage;
        float period;
        std::int16_t acceleration;
        std::vector<double> amounts;
    };
    const Case cases[] = {
        // 40 % of 10 000, 6 000, 3 600; then 2 160 / 2 = 1 080 against 864, and 1 080 / 1
        // against 432.
        {0, 5, 200, {4000, 2400, 1440, 1080, 1080}},
        // 6 000 / 3 = 2 000 equals 20 % of 10 000 in year 1: straight line from the start.
        {0, 5, 100, {2000, 2000, 2000, 2000, 2000}},
        // 9 000 at 40 %: 3 600, 2 160, 1 296; then 1 944 / 2 = 972 against 777.60.
        {1000, 4.5f, 200, {3600, 2160, 1296, 972, 972}},
        // 300 % over one year would take three times the amount: it takes the amount.
        {1000, 1, 300, {9000}},
        {1000, 2, 500, {9000, 0}},
    };
    for (const Case& c : cases) {
        TDepreciationList list;
        coDecBal engine;
        engine.Init(10000, c.salvage, c.period, c.acceleration, FirstOf(7), list);
        engine.Calculate();
        ExpectAmounts(list, c.amounts, 1e-6);
        EXPECT_NEAR(list.back().AdjustedBasis, c.salvage, 1e-6);
    }
}

TEST(DepreciationRefusals, TooNearZeroLeavesTheScheduleAsItWas) {
    TDepreciationList list{{"1999", 1, 2}};
    coSlDep straight;
    coSumofYears digits;
    coDecBal declining;
    const std::int32_t day = FirstOf(1);
    for (const auto& [book, period] : {std::pair{0.0, 5.0f}, std::pair{1000.0, 0.000001f}}) {
        try {
            straight.Init(book, 0, period, 0, day, list);
            FAIL() << "no refusal";
        } catch (const EDepreciation& error) {
            EXPECT_EQ(error.Message(), "Too many zero values.");
        }
        EXPECT_THROW(digits.Init(book, 0, period, day, list), EDepreciation);
        EXPECT_THROW(declining.Init(book, 0, period, 200, day, list), EDepreciation);
    }
    EXPECT_EQ(list.size(), 1u);
}

struct MacrsCase {
    float period;
    std::uint8_t method;
    std::uint8_t convention;
    int month;
    std::vector<double> amounts;
};

TDepreciationList Macrs(double book, const MacrsCase& c) {
    TDepreciationList list;
    coMACRS engine;
    engine.Init(book, FirstOf(c.month), c.period, 0, 100, c.method, c.convention, list);
    engine.Calculate();
    return list;
}

TEST(Macrs, TheSchedulesOfTheWorkedExamples) {
    const MacrsCase cases[] = {
        {7,
         3,
         coMACRS::MidYear,
         1,
         {1428.57, 2448.98, 1749.27, 1249.48, 892.49, 892.48, 892.49, 446.24}},
        {5, 3, coMACRS::MidYear, 1, {2000, 3200, 1920, 1152, 1152, 576}},
        {5, 1, coMACRS::MidYear, 6, {2000, 3200, 1920, 1152, 1152, 576}},
        {5, 3, coMACRS::MidQuarter, 11, {500, 3800, 2280, 1368, 1094.40, 957.60}},
    };
    for (const MacrsCase& c : cases) {
        const TDepreciationList list = Macrs(10000, c);
        ExpectAmounts(list, c.amounts, 1e-6);
        EXPECT_EQ(list.back().AdjustedBasis, 0);
    }
}

TEST(Macrs, StraightLineThirtyNineYearsMidMonth) {
    const TDepreciationList list = Macrs(10000, {39, 5, coMACRS::MidMonth, 1, {}});
    ASSERT_EQ(list.size(), 40u);
    // 10 000 / 39 = 256.41; January keeps 11.5 of 12 months.
    EXPECT_NEAR(list[0].Depreciation, 256.41 * 11.5 / 12, 1e-9);
    for (std::size_t i = 1; i < 39; ++i) {
        EXPECT_EQ(list[i].Depreciation, 256.41);
    }
    EXPECT_NEAR(list[39].Depreciation, 10000 - 256.41 * 11.5 / 12 - 38 * 256.41, 1e-6);
    EXPECT_EQ(list[39].AdjustedBasis, 0);
}

TEST(Macrs, NoYearTakesMoreThanIsLeft) {
    // Short and fractional recovery periods would take more than the basis in some year.
    const MacrsCase cases[] = {
        {0.5f, 3, coMACRS::MidYear, 1, {}},    {1, 1, coMACRS::MidQuarter, 1, {}},
        {2.5f, 3, coMACRS::MidQuarter, 2, {}}, {4.5f, 5, coMACRS::MidQuarter, 1, {}},
        {27.5f, 5, coMACRS::MidMonth, 1, {}},  {3.2f, 1, coMACRS::MidMonth, 1, {}},
        {1.5f, 4, coMACRS::MidQuarter, 3, {}},
    };
    for (const MacrsCase& c : cases) {
        const TDepreciationList list = Macrs(10000, c);
        double taken = 0;
        for (const auto& row : list) {
            EXPECT_GE(row.Depreciation, 0) << c.period;
            EXPECT_GE(row.AdjustedBasis, -1e-9) << c.period;
            taken += row.Depreciation;
        }
        EXPECT_NEAR(taken, 10000, 1.0) << c.period;
    }
    // 4.5 years are five: six rows under a declining-balance method.
    EXPECT_EQ(Macrs(10000, {4.5f, 3, coMACRS::MidYear, 1, {}}).size(), 6u);
    // A half-year recovery period at 200 %: the first year would take twice the basis.
    const auto half = Macrs(10000, {0.5f, 3, coMACRS::MidYear, 1, {}});
    EXPECT_EQ(Amounts(half), (std::vector<double>{10000, 0}));
}

TEST(Macrs, NegativeBookValueGivesOneZeroRow) {
    const TDepreciationList list = Macrs(-5, {5, 3, coMACRS::MidYear, 3, {}});
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].YearLabel, "2020");
    EXPECT_EQ(list[0].Depreciation, 0);
    EXPECT_EQ(list[0].AdjustedBasis, 0);
}

TEST(Macrs, RefusesARecoveryPeriodOfNothingBeforeTouchingTheSchedule) {
    for (const float period : {0.0f, -3.0f}) {
        TDepreciationList list{{"1999", 1, 2}};
        coMACRS engine;
        try {
            engine.Init(10000, FirstOf(1), period, 0, 100, 3, 0, list);
            FAIL() << "no refusal";
        } catch (const ERecoveryPeriod& error) {
            EXPECT_EQ(error.Message(), "Recovery Period can't Be Zero");
        }
        EXPECT_EQ(list.size(), 1u);
    }
}

TEST(Macrs, FirstYearFractions) {
    struct Case {
        std::uint8_t convention;
        int month;
        double fraction;
    };
    const Case cases[] = {
        {0, 1, 0.5},      {0, 12, 0.5},   {1, 1, 0.875},  {1, 3, 0.875},     {1, 4, 0.625},
        {1, 9, 0.375},    {1, 10, 0.125}, {1, 12, 0.125}, {2, 1, 11.5 / 12}, {2, 12, 0.5 / 12},
        {2, 7, 5.5 / 12}, {3, 1, 0.01},   {0, 0, 0.01},   {2, 13, 0.01},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(coMACRS::FirstYearFraction(c.convention, c.month), c.fraction)
            << int(c.convention) << "/" << c.month;
    }
}

} // namespace
} // namespace quarvex::engines
