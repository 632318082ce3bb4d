#include "amortization/AmortSettings.h"

#include "amortization/EAmort.h"

namespace quarvex::amortization {
namespace {

template <class Code> bool Within(Code code, Code first, Code last) {
    return static_cast<int>(code) >= static_cast<int>(first) &&
           static_cast<int>(code) <= static_cast<int>(last);
}

} // namespace

void ValidateSettings(const AmortSettings& s) {
    const bool valid =
        Within(s.RateBasis, InterestBasis::Ordinary, InterestBasis::Actual365) &&
        Within(s.AccelMthd, AccelMethod::NoAcceleration, AccelMethod::PrepaidPrincipal) &&
        Within(s.PointsPaidMthd, PointsPaid::None, PointsPaid::Amortized) &&
        s.TwiceMonthly < kTwiceMonthlyCodes && s.WeekendAdjust < kWeekendCodes &&
        Within(s.AdjustLastMthd, LastPeriodAdjust::NoAdjustment,
               LastPeriodAdjust::ReduceInterest) &&
        Within(s.LastDayMonthMthd, LastDayOfMonth::Ignore, LastDayOfMonth::Adjust) &&
        Within(s.LongInterestPmtMthd, OddDaysPaid::None, OddDaysPaid::Amortized) &&
        Within(s.LongInterestCalcMthd, OddDaysCalc::NoOddInterest, OddDaysCalc::Compound365) &&
        Within(s.ShortInterestPmtMthd, ShortPeriodPaid::NoReduction, ShortPeriodPaid::ReduceAll) &&
        // Stored and shown only: a short period always accrues by the rate rule of its basis.
        static_cast<int>(s.ShortInterestCalcMthd) <= static_cast<int>(ShortPeriodCalc::Simple365);
    if (!valid) {
        RaiseAmortError(kAmortBadSetting);
    }
}

} // namespace quarvex::amortization
