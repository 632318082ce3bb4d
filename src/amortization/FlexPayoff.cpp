#include "amortization/CalculateSchedule.h"
#include "amortization/EAmort.h"
#include "amortization/MakeFlexAmort.h"
#include "amortization/Money.h"
#include "amortization/coFlexAmort.h"

// The amount that pays a loan off on a given date.
namespace quarvex::amortization {

double coFlexAmort::PayoffAt(dates::DayNumber date) {
    const int index = schedule_->LastIndexOnOrBefore(date);
    if (index < 0) {
        RaiseAmortError(kAmortDateBeforeLoan);
    }
    // A copy: the accrual stores its rates in the row it starts from, and the schedule asked
    // about stays as it is.
    TTransRec from = schedule_->Records()[static_cast<std::size_t>(index)];
    if (from.TransDate >= date) {
        return from.PrinBal;
    }
    // Interest runs on the row's balance from its date to the date asked for, at the row's
    // accrual rate, frequency and compounding.
    const int frequency = IsFrequencyCode(from.PmtFreq) ? from.PmtFreq : PYR;
    TTransRec span = from;
    span.PerSince = dateMath_.PeriodsBetween(from.TransDate, date, frequency);
    span.DaysSince = date - from.TransDate;
    return CentSum(from.PrinBal + AccrueInterest(from, span));
}

double PayoffOnDate(TAmortSchedule& schedule, dates::DayNumber date, InterestBasis rateBasis,
                    const Clock& clock) {
    std::unique_ptr<coFlexAmort> engine = MakeFlexAmort(AmortMethod::Normal, clock);
    engine->Settings.RateBasis = rateBasis;
    engine->AdoptSchedule(&schedule);
    const double payoff = engine->PayoffAt(date);
    engine->AdoptSchedule(nullptr);
    return payoff;
}

} // namespace quarvex::amortization
