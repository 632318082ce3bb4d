#pragma once

#include <cstddef>

namespace quarvex::framework {

// The display lists that fill the program's drop-down lists. A list's codes are its 0-based
// item indexes; that index is what buffers, engine calls and stored settings carry.
enum class DisplayListId {
    None = -1, // a row without a list
    PaymentPeriod,
    Compounding,
    RateBasis,
    PaymentTiming,
    AmortMethod,
    DaysList365First,
    DaysList360First,
    Boolean,
    NoYes,
    StartingDate,
    DepreciationMethod,
    IrsConvention,
    FirstAmortizeLast,
    PrepaidAmortized,
    Deductible,
    Acceleration,
    PointsAre,
    WithFirstAmortized,
    OddDaysPaid,
    OddDaysCalc,
    ShortPeriodPaid,
    ShortPeriodCalc,
    PaymentType,
    TaxEffect,
    DaysPerYear,
    CouponFrequency,
    LastPaymentAdjust,
    IgnoreAdjust,
    TwiceMonthly,
    WeekendAdjust,
    AccountSort,
    LoanSort,
};

inline constexpr std::size_t kDisplayListCount =
    static_cast<std::size_t>(DisplayListId::LoanSort) + 1;

} // namespace quarvex::framework
