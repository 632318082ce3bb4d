#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// The choices every calculator stores as one-byte codes (the 0-based index of the choice in
// its display list), with the tables that turn them into counts.
namespace quarvex::engine {

enum class PaymentFrequency : std::uint8_t {
    Daily,
    Weekly,
    BiWeekly,
    TwiceMonthly,
    Every4Weeks,
    Monthly,
    BiMonthly,
    Quarterly,
    Semiannually,
    Annually,
};

// Codes 1 to 10 compound as often as payment frequency (code - 1) pays.
enum class Compounding : std::uint8_t {
    Continuous,
    Daily,
    Weekly,
    BiWeekly,
    TwiceMonthly,
    Every4Weeks,
    Monthly,
    BiMonthly,
    Quarterly,
    Semiannually,
    Annually,
    Simple,
};

// Any non-zero code counts as Advance.
enum class PaymentTiming : std::uint8_t { Arrears, Advance };

enum class AmortMethod : std::uint8_t {
    Normal,
    Canadian,
    FixedPrincipal,
    InterestOnly,
    NoInterest,
    RuleOf78s,
};

enum class InterestBasis : std::uint8_t {
    Ordinary,
    Ordinary365,
    Ordinary360,
    Actual360,
    Actual365,
};

inline constexpr std::array<std::string_view, 10> kPaymentFrequencyNames = {
    "Daily",   "Weekly",    "BiWeekly",  "Twice Monthly", "Every 4 Weeks",
    "Monthly", "BiMonthly", "Quarterly", "Semiannually",  "Annually"};

inline constexpr std::array<std::string_view, 12> kCompoundingNames = {
    "Continuous", "Daily",     "Weekly",    "BiWeekly",     "Twice Monthly", "Every 4 Weeks",
    "Monthly",    "BiMonthly", "Quarterly", "Semiannually", "Annually",      "Simple"};

inline constexpr std::array<std::string_view, 2> kPaymentTimingNames = {"Arrears", "Advance"};

inline constexpr std::array<std::string_view, 6> kAmortMethodNames = {
    "Normal", "Canadian", "Fixed Principal", "Interest Only", "No Interest", "Rule of 78's"};

inline constexpr std::array<std::string_view, 5> kInterestBasisNames = {
    "Ordinary", "Ordinary/365", "Ordinary/360", "Actual/360", "Actual/365"};

// The two small year-basis lists of the combo boxes: the code is the index, the value the number.
inline constexpr std::array<std::string_view, 2> kYearBasis365First = {"365", "360"};
inline constexpr std::array<std::string_view, 2> kYearBasis360First = {"360", "365"};

inline constexpr std::array<std::uint16_t, 10> kPeriodsPerYear = {365, 52, 26, 24, 13,
                                                                  12,  6,  4,  2,  1};
inline constexpr std::array<std::uint16_t, 10> kDaysPerPeriod = {1,  7,  14, 15,  28,
                                                                 30, 60, 90, 180, 360};

// -1: interest runs by periods, not by days.
inline constexpr std::array<int, 5> kDaysInYear = {-1, 365, 360, 360, 365};

// Payments per year of a payment-frequency code; codes past the table count as annual.
constexpr std::uint16_t PeriodsPerYear(std::uint8_t frequencyCode) {
    return frequencyCode < kPeriodsPerYear.size() ? kPeriodsPerYear[frequencyCode] : 1;
}

constexpr std::uint16_t DaysPerPeriod(std::uint8_t frequencyCode) {
    return frequencyCode < kDaysPerPeriod.size() ? kDaysPerPeriod[frequencyCode] : 360;
}

// Compounding periods per year of a compounding code; Continuous and Simple have no count.
constexpr std::optional<std::uint16_t> CompoundingPerYear(std::uint8_t compoundingCode) {
    if (compoundingCode == 0 || compoundingCode > 10) {
        return std::nullopt;
    }
    return kPeriodsPerYear[compoundingCode - 1];
}

constexpr bool IsAdvance(std::uint8_t timingCode) {
    return timingCode != 0;
}

// Engine constants shared by every computation of the finance engine.
inline constexpr double ZeroTolerance = 0.0001;
inline constexpr int MaxTries = 100;
inline constexpr int RoundDecimals = 2;
inline constexpr double RateStart = 12.5;
inline constexpr double RateProbe = 0.1001;
inline constexpr double RateStep = 0.1;
inline constexpr double IrrStart = 0.1;
inline constexpr double IrrProbe = 0.00001;
inline constexpr std::array<double, 3> AprStarts = {0.1, 0.05, 0.01};
// The base of continuous compounding: exactly this ten-digit value, not the exact e.
inline constexpr double EulerConst = 2.718281828;

} // namespace quarvex::engine
