#pragma once

#include "engine/EngineTypes.h"
#include "framework/dates/Calendar.h"

#include <cstdint>

// The setting codes of the amortization engine. Every code is the index of its entry in the
// display list that shows it, and is stored as one byte.
namespace quarvex::amortization {

using engine::AmortMethod;
using engine::InterestBasis;

// Payment frequency codes of the engine: the payment-period index plus 1 (1 Daily ... 10
// Annually). Compounding codes: 0 Continuous, 1-10 as the frequencies, 11 Simple.
inline constexpr std::uint8_t kDailyCode = 1;
inline constexpr std::uint8_t kBiWeeklyCode = 3;
inline constexpr std::uint8_t kMonthlyCode = 6;
inline constexpr std::uint8_t kSemiannualCode = 9;
inline constexpr std::uint8_t kAnnualCode = 10;
inline constexpr std::uint8_t kContinuousCode = 0;
inline constexpr std::uint8_t kSimpleCode = 11;

// "Loan Acceleration Method?:"
enum class AccelMethod : std::uint8_t { NoAcceleration, HalfMonthly, PrepaidPrincipal };

// "Points Paid How?:"
enum class PointsPaid : std::uint8_t { None, WithOrigination, WithFirst, Amortized };

// "Last Period Adjusting Method?:"
enum class LastPeriodAdjust : std::uint8_t { NoAdjustment, IncreasePayment, ReduceInterest };

// "Last Day of Month Adjustment?:"
enum class LastDayOfMonth : std::uint8_t { Ignore, Adjust };

// "Odd Days Interest Paid When?:"
enum class OddDaysPaid : std::uint8_t { None, WithOrigination, WithFirst, Amortized };

// "Odd Days Interest Calculation?:"
enum class OddDaysCalc : std::uint8_t {
    NoOddInterest,
    Prorated,
    Simple360,
    Simple365,
    Compound360,
    Compound365,
};

// "Short Period Interest Paid How?:"
enum class ShortPeriodPaid : std::uint8_t { NoReduction, ReduceFirst, ReduceAll };

// "Short Period Interest Calculation?:" (codes 1-3; stored and shown, the short period always
// accrues by the rate rule of the basis).
enum class ShortPeriodCalc : std::uint8_t { Prorated = 1, Simple360 = 2, Simple365 = 3 };

// How the first payment period compares with a regular one.
enum class FirstPeriodKind : std::uint8_t { Short = 0, Regular = 1, Long = 2 };

// Twice-monthly day pairs (0-12) and weekend codes (0-3) are those of the date arithmetic.
inline constexpr std::uint8_t kTwiceMonthlyCodes = 13;
inline constexpr std::uint8_t kWeekendCodes = 4;

// Payments per year of a frequency code 1-10.
int PeriodsPerYearOf(int frequencyCode);

// Nominal days of one period of a frequency code 1-10 (a month counts 30 days).
int NominalDaysOf(int frequencyCode);

// Compounding periods per year: the count of codes 1-10; for Continuous and Simple the payment
// frequency's.
int CompoundingPerYearOf(int compoundingCode, int frequencyCode);

// Days in the year of a rate basis: 365 or 360; 0 for Ordinary, which charges by periods.
int BasisDaysPerYear(InterestBasis basis);

// Actual/360 and Actual/365 count the days between dates; the others nominal days.
bool CountsActualDays(InterestBasis basis);

bool IsFrequencyCode(int code);
bool IsCompoundingCode(int code);

// The largest amount (loan, payment, points) a schedule takes: far beyond any loan, and small
// enough that no running total of 65 535 rows can leave the range of a double.
inline constexpr double kLargestAmount = 1e13;

// A balance is paid off at 0 or below. Balances are sums of amounts in binary floating point
// and collect errors far below a cent; one within half a ten-thousandth of 0 counts as 0, so
// that a loan paid to the cent ends there instead of running on a balance of 10^-12.
inline constexpr double kPaidOffBelow = 0.00005;
constexpr bool IsPaidOff(double balance) {
    return balance < kPaidOffBelow;
}

// The last-period adjustment takes a remaining balance of a cent or more. Balances of whole
// cents may miss the cent by binary noise (0.0099999999...); they count as a cent.
constexpr bool IsCentOrMore(double balance) {
    return (balance < 0 ? -balance : balance) >= 0.01 - 1e-9;
}

// The latest date any schedule may reach: 1 January 2079.
dates::DayNumber LatestScheduleDate();
inline constexpr int kLatestScheduleYear = 2079;

} // namespace quarvex::amortization
