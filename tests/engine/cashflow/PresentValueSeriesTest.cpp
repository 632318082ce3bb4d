// The present value of a series of periodic cash flows and its schedule.
#include "engine/FinanceErrors.h"
#include "engine/cashflow/TcoBasePV.h"
#include "framework/dates/Calendar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace quarvex::engine {
namespace {

using dates::DMYToDayNumber;

constexpr std::uint8_t kMonthly = 6;         // payment code: period index 5 + 1
constexpr std::uint8_t kMonthlyCompound = 6; // compounding index
constexpr std::uint8_t kQuarterlyCompound = 8;
constexpr std::uint8_t kSimple = 11;

TEST(TcoBasePV, TwelveMonthlyPaymentsOfHundredAtTwelvePercent) {
    TcoBasePV engine;
    engine.Build(DMYToDayNumber(1, 1, 2001), 12, 100, kMonthly, kMonthlyCompound, 12);
    engine.Calculate();
    const auto& rows = engine.Schedule().Records();
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_NEAR(rows[0].PV, 99.00990099009901, 1e-9); // 100 / 1.01
    EXPECT_NEAR(engine.PV, 1125.507747348463, 1e-9);
    EXPECT_DOUBLE_EQ(engine.TotalAmount, 1200);
    EXPECT_DOUBLE_EQ(engine.NumYears, 1);
    // Running figures add up row by row; each row is discounted its own number of periods.
    double running = 0;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        running += rows[k].PV;
        EXPECT_NEAR(rows[k].PV, 100 / std::pow(1.01, static_cast<double>(k + 1)), 1e-9);
        EXPECT_NEAR(rows[k].RunningPV, running, 1e-9);
        EXPECT_DOUBLE_EQ(rows[k].RunningAmount, 100.0 * static_cast<double>(k + 1));
    }
}

TEST(TcoBasePV, CompoundingChosenIsApplied) {
    struct Case {
        const char* name;
        std::uint8_t compounding;
        double expected;
    };
    // Monthly flows of 100 over a year at 12 %, by an independent computation:
    // quarterly compounding discounts at 1.03^(1/3) - 1 a month; simple interest discounts flow
    // k by 1 + 0.01 k.
    const std::vector<Case> cases = {
        {"quarterly", kQuarterlyCompound, 1126.207568585617},
        {"simple", kSimple, 1127.9466104193775},
    };
    for (const Case& c : cases) {
        TcoBasePV engine;
        engine.Build(DMYToDayNumber(1, 1, 2001), 12, 100, kMonthly, c.compounding, 12);
        engine.Calculate();
        EXPECT_NEAR(engine.PV, c.expected, 1e-9) << c.name;
    }
    TcoBasePV continuous;
    continuous.Build(DMYToDayNumber(1, 1, 2001), 1, 100, kMonthly, 0, 12);
    continuous.Calculate();
    EXPECT_NEAR(continuous.PV, 100 / std::pow(2.718281828, 0.01), 1e-9);
}

TEST(TcoBasePV, RowsAreDatedLabelledAndCountedByCalendarYear) {
    TcoBasePV engine;
    engine.Build(DMYToDayNumber(1, 1, 2001), 14, 100, kMonthly, kMonthlyCompound, 12);
    const auto& rows = engine.Schedule().Records();
    EXPECT_EQ(rows[0].Label, "1/01");
    EXPECT_EQ(rows[11].Label, "12/01");
    EXPECT_EQ(rows[12].Label, "13/02");
    EXPECT_EQ(rows[12].Date, DMYToDayNumber(1, 1, 2002));
    EXPECT_EQ(rows[11].Year, 1);
    EXPECT_EQ(rows[12].Year, 2);
}

TEST(TcoBasePV, RecalculateKeepsEditedAmountsAndCalculateResetsThem) {
    TcoBasePV engine;
    engine.Build(DMYToDayNumber(1, 1, 2001), 12, 100, kMonthly, kMonthlyCompound, 12);
    engine.Calculate();

    // The calculator edits a copy of the rows, then hands it back.
    TPVSchedule edited;
    engine.Schedule().CopySchedule(&edited.Records());
    edited.SetAmounts(5, 7, 10, 100); // 100, 110, 121
    engine.Recalculate(edited);
    const auto& rows = engine.Schedule().Records();
    EXPECT_DOUBLE_EQ(rows[4].Amount, 100);
    EXPECT_NEAR(rows[5].Amount, 110, 1e-9);
    EXPECT_NEAR(rows[6].Amount, 121, 1e-9);
    EXPECT_NEAR(rows[6].PV, 121 / std::pow(1.01, 7), 1e-9);
    EXPECT_NEAR(engine.TotalAmount, 1231, 1e-9);

    engine.Calculate();
    EXPECT_DOUBLE_EQ(engine.TotalAmount, 1200);
}

TEST(TcoBasePV, RecalculateOverItsOwnSchedule) {
    TcoBasePV engine;
    engine.Build(DMYToDayNumber(1, 1, 2001), 3, 100, kMonthly, kMonthlyCompound, 12);
    engine.Schedule().SetAmounts(1, 3, 0, 50);
    engine.Recalculate(engine.Schedule());
    EXPECT_DOUBLE_EQ(engine.TotalAmount, 150);
}

TEST(TcoBasePV, ZeroTermRateOrAmountIsRefused) {
    struct Case {
        std::int16_t periods;
        double amount;
        long double rate;
    };
    for (const Case& c : {Case{0, 100, 12}, Case{-3, 100, 12}, Case{12, 0, 12}, Case{12, 100, 0},
                          Case{12, 0.00005, 12}}) {
        TcoBasePV engine;
        try {
            engine.Build(DMYToDayNumber(1, 1, 2001), c.periods, c.amount, kMonthly,
                         kMonthlyCompound, c.rate);
            ADD_FAILURE() << "periods " << c.periods << " amount " << c.amount;
        } catch (const EFinance& error) {
            EXPECT_STREQ(error.what(), "Too many unknowns.");
        }
    }
}

TEST(TcoBasePV, CodesOutsideTheListsAreAProgrammingError) {
    TcoBasePV engine;
    EXPECT_THROW(engine.Build(DMYToDayNumber(1, 1, 2001), 12, 100, 0, 6, 12), EInternalError);
    EXPECT_THROW(engine.Build(DMYToDayNumber(1, 1, 2001), 12, 100, 11, 6, 12), EInternalError);
    EXPECT_THROW(engine.Build(DMYToDayNumber(1, 1, 2001), 12, 100, 6, 12, 12), EInternalError);
}

TEST(TcoBasePV, CalculateWithoutRowsIsRefused) {
    TcoBasePV engine;
    EXPECT_THROW(engine.Calculate(), EFinance);
    TPVSchedule empty;
    EXPECT_THROW(engine.Recalculate(empty), EFinance);
}

} // namespace
} // namespace quarvex::engine
