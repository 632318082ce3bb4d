// The future-value schedule: a starting amount plus deposits, row by row, with taxes and
// inflation. Expected figures come from an independent row-by-row computation (every balance
// rounded to cents, as the schedule does) and from the closed forms of compound interest.
#include "engine/FinanceErrors.h"
#include "engine/cashflow/TcoBaseFV.h"
#include "framework/dates/Calendar.h"
#include "framework/dates/DateArithmetic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace quarvex::engine {
namespace {

using dates::DMYToDayNumber;

constexpr std::uint8_t kEnds = 0;
constexpr std::uint8_t kStarts = 1;
constexpr std::uint8_t kOrdinary = 0;
constexpr std::uint8_t kActual365 = 4;
constexpr std::uint8_t kOrdinary360 = 2;
constexpr std::uint8_t kDailyCompound = 1;
constexpr std::uint8_t kMonthlyCompound = 6;
constexpr std::uint8_t kQuarterlyCompound = 8;
constexpr std::uint8_t kSimple = 11;
constexpr std::uint8_t kContinuous = 0;
constexpr std::uint8_t kWeekly = 2;
constexpr std::uint8_t kMonthly = 6;
constexpr std::uint8_t kQuarterly = 8;
constexpr std::uint8_t kAnnually = 10;

struct Inputs {
    std::int16_t periods = 12;
    dates::DayNumber start = DMYToDayNumber(1, 1, 2001);
    double inflation = 0; // percent
    double tax = 0;       // percent
    std::uint8_t timing = kEnds;
    std::uint8_t basis = kOrdinary;
    std::uint8_t compounding = kMonthlyCompound;
    std::uint8_t payment = kMonthly;
    long double rate = 12;
    double deposit = 0;
    double pv = 1000;
};

TcoBaseFV Calculated(const Inputs& in, ScheduleDateOptions options = {}) {
    TcoBaseFV engine(options);
    engine.Build(in.periods, in.start, in.inflation, in.tax, in.timing, in.basis, in.compounding,
                 in.payment, in.rate, in.deposit, in.pv);
    engine.Calculate();
    return engine;
}

TEST(TcoBaseFV, EveryRowIsRoundedToCents) {
    const TcoBaseFV engine = Calculated({});
    // 1000 x 1.01^12 = 1126.825...; rounding each row to cents gives 1126.84.
    EXPECT_DOUBLE_EQ(engine.FV, 1126.84);
    EXPECT_NEAR(engine.Gain, 126.84, 1e-9);
    EXPECT_DOUBLE_EQ(engine.Principal, 1000);
    EXPECT_DOUBLE_EQ(engine.RealFV, 1126.84);
    EXPECT_DOUBLE_EQ(engine.Term, 1);
    EXPECT_EQ(engine.EndingDate, DMYToDayNumber(1, 1, 2002));
    const auto& rows = engine.Schedule().Records();
    EXPECT_DOUBLE_EQ(rows[0].Interest, 10.0);
    EXPECT_DOUBLE_EQ(rows[0].FV, 1010.0);
    EXPECT_DOUBLE_EQ(rows[11].Interest, 11.16);
}

TEST(TcoBaseFV, DepositsAtStartsEarnOneMorePeriod) {
    struct Case {
        const char* name;
        Inputs in;
        double expected;   // row by row, rounded to cents
        double closedForm; // PV(1+i)^n + D s(n), times (1+i) for deposits at starts
    };
    Inputs ends;
    ends.deposit = 100;
    Inputs starts = ends;
    starts.timing = kStarts;
    Inputs quarterly;
    quarterly.periods = 8;
    quarterly.payment = kQuarterly;
    quarterly.compounding = kQuarterlyCompound;
    quarterly.rate = 8;
    quarterly.deposit = 250;
    quarterly.pv = 5000;
    const std::vector<Case> cases = {
        {"monthly, ends", ends, 2395.07, 2395.075331451668},
        {"monthly, starts", starts, 2407.76, 2407.7578344648646},
        {"quarterly, ends", quarterly, 8004.04, 8004.03916753965},
    };
    for (const Case& c : cases) {
        const TcoBaseFV engine = Calculated(c.in);
        EXPECT_DOUBLE_EQ(engine.FV, c.expected) << c.name;
        EXPECT_NEAR(engine.FV, c.closedForm, 0.05) << c.name;
        EXPECT_DOUBLE_EQ(engine.Principal, c.in.pv + c.in.periods * c.in.deposit) << c.name;
        EXPECT_NEAR(engine.Gain, engine.FV - engine.Principal, 1e-9) << c.name;
    }
}

TEST(TcoBaseFV, SimpleAndContinuousGrowthByPeriod) {
    Inputs simple;
    simple.compounding = kSimple;
    // Simple interest of 1 % on each row's balance: the same as monthly compounding.
    EXPECT_DOUBLE_EQ(Calculated(simple).FV, 1126.84);
    Inputs continuous;
    continuous.compounding = kContinuous;
    // Each row grows by EulerConst ^ (12 % / 12), rounded to cents.
    EXPECT_DOUBLE_EQ(Calculated(continuous).FV, 1127.51);
}

TEST(TcoBaseFV, ActualDaysBasis) {
    // 10 % compounded daily on Actual/365 from 1 January 2001, monthly rows.
    Inputs in;
    in.basis = kActual365;
    in.compounding = kDailyCompound;
    in.rate = 10;

    // A single row still earns its month (31 days): 1000 (1 + 0.1/365)^31.
    in.periods = 1;
    EXPECT_DOUBLE_EQ(Calculated(in).FV, 1008.53);

    // Deposits at starts: each row earns to the next row's date, the last to the ending date.
    in.periods = 2;
    in.timing = kStarts;
    const TcoBaseFV starts = Calculated(in);
    EXPECT_DOUBLE_EQ(starts.Schedule().Records()[0].FV, 1008.53); // January, 31 days
    EXPECT_DOUBLE_EQ(starts.FV, 1016.30);                         // February, 28 days
    EXPECT_EQ(starts.EndingDate, DMYToDayNumber(1, 3, 2001));

    // Deposits at ends: rows after the first earn over the period that ends at their date.
    in.periods = 3;
    in.timing = kEnds;
    const TcoBaseFV ends = Calculated(in);
    const auto& rows = ends.Schedule().Records();
    EXPECT_DOUBLE_EQ(rows[0].FV, 1008.53);
    EXPECT_DOUBLE_EQ(rows[1].FV, 1017.13); // 31 days, January
    EXPECT_DOUBLE_EQ(rows[2].FV, 1024.96); // 28 days, February
}

TEST(TcoBaseFV, NominalDaysBasis) {
    // Ordinary/360 with daily compounding: 30 days a month at 12 % / 360 a day.
    Inputs in;
    in.basis = kOrdinary360;
    in.compounding = kDailyCompound;
    in.periods = 1;
    const double daily = (std::pow(1 + 0.12 / 365, 365.0 / 360) - 1);
    EXPECT_DOUBLE_EQ(Calculated(in).FV, std::round(1000 * std::pow(1 + daily, 30) * 100) / 100);
}

TEST(TcoBaseFV, TaxIsChargedWhereTheNextRowStartsANewYear) {
    // Monthly from 1 November 2001, 15 rows, 25 % tax on the interest.
    Inputs in;
    in.start = DMYToDayNumber(1, 11, 2001);
    in.periods = 15;
    in.tax = 25;
    const TcoBaseFV engine = Calculated(in);
    const auto& rows = engine.Schedule().Records();
    // Row 2 (December 2001): the interest of rows 1 and 2, 10.00 + 10.10.
    EXPECT_NEAR(rows[1].Tax, 5.025, 1e-9);
    // Row 14 (December 2002): the interest of rows 3 to 14.
    EXPECT_NEAR(rows[13].Tax, 32.3475, 1e-9);
    // The last row (January 2003) has no row after it and carries no tax.
    EXPECT_EQ(rows[14].Tax, 0);
    for (std::size_t k : {0u, 2u, 12u}) {
        EXPECT_EQ(rows[k].Tax, 0) << "row " << k + 1;
    }
    EXPECT_NEAR(engine.TaxesPaid, 5.025 + 32.3475, 1e-9);
    EXPECT_NEAR(engine.RealFV, engine.FV - engine.TaxesPaid, 1e-9);
}

TEST(TcoBaseFV, InflationErodesTheRealValue) {
    Inputs in;
    in.periods = 3;
    in.rate = 12;
    in.inflation = 6; // 0.5 % a month of the previous real value
    const TcoBaseFV engine = Calculated(in);
    const auto& rows = engine.Schedule().Records();
    EXPECT_EQ(rows[0].Inflation, 0);
    EXPECT_DOUBLE_EQ(rows[0].RealFV, 1010.0);
    EXPECT_NEAR(rows[1].Inflation, 0.005 * 1010.0, 1e-9);
    EXPECT_NEAR(rows[1].RealFV, 1020.10 - 1010.0 + 1010.0 - 5.05, 1e-9);
    EXPECT_NEAR(rows[2].Inflation, 0.005 * rows[1].RealFV, 1e-9);
    EXPECT_NEAR(engine.InflationLoss, rows[1].Inflation + rows[2].Inflation, 1e-9);
}

TEST(TcoBaseFV, RowsStepByTheirFrequency) {
    struct Case {
        const char* name;
        std::uint8_t payment;
        dates::DayNumber third; // date of row 3
        const char* label13;
    };
    const dates::DayNumber start = DMYToDayNumber(1, 1, 2001);
    const std::vector<Case> cases = {
        {"weekly", kWeekly, start + 14, "13/1"},
        {"monthly", kMonthly, DMYToDayNumber(1, 3, 2001), "13/2"},
        {"quarterly", kQuarterly, DMYToDayNumber(1, 7, 2001), "13/4"},
        {"annually", kAnnually, DMYToDayNumber(1, 1, 2003), "13/13"},
    };
    for (const Case& c : cases) {
        Inputs in;
        in.periods = 13;
        in.payment = c.payment;
        in.compounding = c.payment; // compounding index = payment code
        const TcoBaseFV engine = Calculated(in);
        const auto& rows = engine.Schedule().Records();
        EXPECT_EQ(rows[0].Label, "1/1") << c.name;
        EXPECT_EQ(rows[0].Date, start) << c.name;
        EXPECT_EQ(rows[2].Date, c.third) << c.name;
        EXPECT_EQ(rows[12].Label, c.label13) << c.name;
    }
}

TEST(TcoBaseFV, YearCounterFollowsCalendarYears) {
    // 24 monthly rows from 15 March 2001: 10 rows in 2001, 12 in 2002, 2 in 2003.
    Inputs in;
    in.start = DMYToDayNumber(15, 3, 2001);
    in.periods = 24;
    const TcoBaseFV engine = Calculated(in);
    int counts[4] = {0, 0, 0, 0};
    for (const TFVRow& row : engine.Schedule().Records()) {
        ASSERT_GE(row.Year, 1);
        ASSERT_LE(row.Year, 3);
        ++counts[row.Year];
    }
    EXPECT_EQ(counts[1], 10);
    EXPECT_EQ(counts[2], 12);
    EXPECT_EQ(counts[3], 2);
}

TEST(TcoBaseFV, DateSettingsArePassedIn) {
    // Monthly from 31 January 2002: the calendar stepping gives 3 March (2002 is a common year).
    Inputs in;
    in.start = DMYToDayNumber(31, 1, 2002);
    in.periods = 2;
    EXPECT_EQ(Calculated(in).Schedule().Records()[1].Date, DMYToDayNumber(3, 3, 2002));

    // From Wednesday 2 January 2002 the next row falls on Saturday 2 February, which the
    // weekend setting moves.
    in.start = DMYToDayNumber(2, 1, 2002);
    EXPECT_EQ(Calculated(in).Schedule().Records()[1].Date, DMYToDayNumber(2, 2, 2002));
    ScheduleDateOptions forceMonday;
    forceMonday.WeekendCode = dates::kForceMonday;
    EXPECT_EQ(Calculated(in, forceMonday).Schedule().Records()[1].Date, DMYToDayNumber(4, 2, 2002));
    ScheduleDateOptions closest;
    closest.WeekendCode = dates::kClosestDay;
    EXPECT_EQ(Calculated(in, closest).Schedule().Records()[1].Date, DMYToDayNumber(1, 2, 2002));

    // Twice monthly: on the 1st and the 15th by default, or on the 15th and the last day.
    Inputs twice;
    twice.start = DMYToDayNumber(15, 4, 2001);
    twice.periods = 3;
    twice.payment = 4;
    twice.compounding = 4;
    EXPECT_EQ(Calculated(twice).Schedule().Records()[1].Date, DMYToDayNumber(1, 5, 2001));
    ScheduleDateOptions lastDay;
    lastDay.TwiceMonthlyCode = dates::k15thAndLastDay;
    const TcoBaseFV semimonthly = Calculated(twice, lastDay);
    EXPECT_EQ(semimonthly.Schedule().Records()[1].Date, DMYToDayNumber(30, 4, 2001));
    EXPECT_EQ(semimonthly.Schedule().Records()[2].Date, DMYToDayNumber(15, 5, 2001));
}

TEST(TcoBaseFV, EditedRowsTakeEffectOnRecalculate) {
    Inputs in;
    in.deposit = 100;
    TcoBaseFV engine = Calculated(in);
    const double before = engine.FV;

    TFVSchedule edited;
    engine.Schedule().CopySchedule(&edited.Records());
    edited.SetDeposits(1, 12, 0, 0); // clear the deposits
    engine.Recalculate(edited);
    EXPECT_DOUBLE_EQ(engine.FV, 1126.84);
    EXPECT_DOUBLE_EQ(engine.Principal, 1000);

    edited.SetDeposits(1, 12, 0, 100);
    edited.SetRates(1, 12, 0); // no interest at all
    engine.Recalculate(edited);
    EXPECT_DOUBLE_EQ(engine.FV, 2200);
    EXPECT_LT(engine.FV, before);

    // A new Build starts again from the inputs.
    engine.Build(12, in.start, 0, 0, kEnds, kOrdinary, kMonthlyCompound, kMonthly, 12, 100, 1000);
    engine.Calculate();
    EXPECT_DOUBLE_EQ(engine.FV, before);
}

TEST(TcoBaseFV, RefusesWhatItCannotSchedule) {
    TcoBaseFV engine;
    const std::pair<std::int16_t, const char*> terms[] = {{0, "Term can't be zero."},
                                                          {-12, "Term can't be negative."}};
    for (const auto& [n, text] : terms) {
        try {
            engine.Build(n, DMYToDayNumber(1, 1, 2001), 0, 0, kEnds, kOrdinary, kMonthlyCompound,
                         kMonthly, 12, 0, 1000);
            ADD_FAILURE() << n << ": no error";
        } catch (const EFinance& error) {
            EXPECT_STREQ(error.what(), text);
        }
    }
    EXPECT_THROW(engine.Build(12, DMYToDayNumber(1, 1, 2001), 0, 0, kEnds, 5, kMonthlyCompound,
                              kMonthly, 12, 0, 1000),
                 EInternalError);
    EXPECT_THROW(engine.Calculate(), EFinance); // nothing built
    // Rows that would run past the last date of the calendar.
    EXPECT_THROW(engine.Build(100, DMYToDayNumber(1, 1, 3995), 0, 0, kEnds, kOrdinary,
                              kMonthlyCompound, kAnnually, 12, 0, 1000),
                 EFinance);
}

} // namespace
} // namespace quarvex::engine
