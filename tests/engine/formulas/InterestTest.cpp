#include "ExpectError.h"
#include "engine/FinanceErrors.h"
#include "engine/formulas/coInterest.h"
#include "framework/dates/Calendar.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quarvex::engine {
namespace {

using testing::ExpectError;

constexpr std::uint8_t kContinuous = 0;
constexpr std::uint8_t kDaily = 1;
constexpr std::uint8_t kMonthly = 6;
constexpr std::uint8_t kQuarterly = 8;
constexpr std::uint8_t kAnnually = 10;
constexpr std::uint8_t kSimple = 11;
constexpr std::uint8_t kActual360 = 3;
constexpr std::uint8_t kActual365 = 4;

struct InterestCase {
    double pv;
    std::int32_t days;
    double rate;
    std::uint8_t compounding, basis;
    double fv, interest, apy, dailyRate;
};

// Worked by hand: the daily rate (1 + r / m) ^ (m / D) - 1 compounded over the days (a
// spreadsheet's FV(daily rate, days, 0, -PV)), rounded to cents; simple interest
// PV (1 + r d / D); continuous PV e ^ (r d / D); APY = (FV / PV) ^ (365 / d) - 1.
const InterestCase kCases[] = {
    {1000, 365, 10, kSimple, kActual365, 1100.00, 100.00, 10, 2.739726027397e-04},
    {1000, 365, 10, kDaily, kActual365, 1105.16, 105.16, 10.516, 2.739726027397e-04},
    {1000, 365, 10, kMonthly, kActual365, 1104.71, 104.71, 10.471, 2.728745763076e-04},
    {1000, 360, 10, kMonthly, kActual360, 1104.71, 104.71, 10.623897626, 2.766650252004e-04},
    {1000, 365, 10, kContinuous, kActual365, 1105.17, 105.17, 10.517, 0},
    {5000, 90, 4.5, kQuarterly, kActual360, 5056.25, 56.25, 4.641524235, 1.243098301662e-04},
    {20000, 30, 6, kSimple, kActual360, 20100.00, 100.00, 6.256070580, 1.666666666667e-04},
    {-2500, 180, 7, kAnnually, kActual365, -2584.82, -84.82, 6.999833437, 1.853833415706e-04},
    {1000, 730, -2, kMonthly, kActual365, 960.76, -39.24, -1.981634374, -5.483872974943e-05},
};

TEST(coInterest, MatchesTheWorkedFigures) {
    for (const auto& c : kCases) {
        coInterest interest;
        interest.Init(c.pv, c.days, dates::kNoDate, c.rate, dates::kNoDate, c.compounding, c.basis);
        interest.Calculate();
        SCOPED_TRACE(::testing::Message()
                     << c.pv << " for " << c.days << " days at " << c.rate << " %, compounding "
                     << int(c.compounding) << ", basis " << int(c.basis));
        EXPECT_NEAR(interest.FV, c.fv, 1e-9);
        EXPECT_NEAR(interest.Interest, c.interest, 1e-9);
        EXPECT_NEAR(static_cast<double>(interest.APY), c.apy, 1e-8);
        EXPECT_NEAR(static_cast<double>(interest.DailyRate), c.dailyRate, 1e-15);
    }
}

TEST(coInterest, KeepsTheDatesForTheCalculator) {
    const dates::DayNumber start = dates::DMYToDayNumber(1, 3, 2024);
    coInterest interest;
    interest.Init(1000, 30, start, 5, start + 30, kMonthly, kActual365);
    EXPECT_EQ(interest.StartDate, start);
    EXPECT_EQ(interest.EndDate, dates::DMYToDayNumber(31, 3, 2024));
}

TEST(coInterest, RefusesInTheDocumentedOrder) {
    struct Refusal {
        double pv;
        std::int32_t days;
        double rate;
        std::uint8_t compounding;
        const char* text;
    };
    const Refusal refusals[] = {
        {0, 0, 0, 12, testing::kTermZero},
        {1000, -30, 10, kMonthly, testing::kDaysNegative},
        {1000, -2147483647 - 1, 10, kMonthly, testing::kDaysNegative},
        {0.00009, 30, 0, 12, testing::kAmountZero},
        {1000, 30, 0.00009, 12, testing::kRateZero},
        {1000, 30, 10, 12, "Not a valid compounding period."},
    };
    for (const auto& r : refusals) {
        coInterest interest;
        ExpectError<EFinance>(
            [&] { interest.Init(r.pv, r.days, 0, r.rate, 0, r.compounding, kActual360); }, r.text);
    }
}

TEST(coInterest, ABasisWithoutADayCountCountsAYearOf365Days) {
    EXPECT_EQ(coInterest::DaysInYearOf(0), 365);
    EXPECT_EQ(coInterest::DaysInYearOf(2), 360);
    EXPECT_EQ(coInterest::DaysInYearOf(4), 365);
    EXPECT_EQ(coInterest::DaysInYearOf(9), 365);
}

TEST(coInterest, LosingEverythingIsOutOfRangeAndChangesNothing) {
    // -1 200 % compounded monthly loses all of it in the first month; simple interest at
    // -365 % loses it all in a year and more after that.
    const std::tuple<double, std::int32_t, std::uint8_t> inputs[] = {
        {-1200, 30, kMonthly}, {-5000, 30, kMonthly}, {-365, 365, kSimple}, {-365, 400, kSimple}};
    for (const auto& [rate, days, compounding] : inputs) {
        coInterest interest;
        interest.Init(1000, days, 0, rate, 0, compounding, kActual365);
        ExpectError<EFinance>([&] { interest.Calculate(); }, testing::kOutOfRange);
        EXPECT_EQ(interest.FV, 0) << rate;
        EXPECT_EQ(interest.APY, 0) << rate;
    }
}

} // namespace
} // namespace quarvex::engine
