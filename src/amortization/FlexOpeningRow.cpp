#include "amortization/Money.h"
#include "amortization/coFlexAmort.h"
#include "engine/Rounding.h"
#include "framework/dates/PaymentDates.h"

#include <algorithm>
#include <cmath>

// Row 0: the loan's origination, with the kind of its first period, points and odd-days
// interest.
namespace quarvex::amortization {

double coFlexAmort::OddDaysInterestOn(const TTransRec& O) {
    const long double r = O.AccrualRt;
    const RateRule rule = RuleOf(O);
    switch (Settings.LongInterestCalcMthd) {
    case OddDaysCalc::Prorated:
        fv_.CompoundFV(O.PrinBal, static_cast<double>(PeriodicAccrualRate(r, rule)), O.PerSince);
        break;
    case OddDaysCalc::Simple360:
    case OddDaysCalc::Simple365: {
        const int year = Settings.LongInterestCalcMthd == OddDaysCalc::Simple360 ? 360 : 365;
        fv_.SimpleFV(O.PrinBal, static_cast<double>(r / 100.0L / year), O.DaysSince);
        break;
    }
    case OddDaysCalc::Compound360:
    case OddDaysCalc::Compound365: {
        const int year = Settings.LongInterestCalcMthd == OddDaysCalc::Compound360 ? 360 : 365;
        fv_.CompoundFVPeriods(
            O.PrinBal, static_cast<double>(DailyRateOverYear(r, rule.CompoundingPerYear, year)),
            O.DaysSince);
        break;
    }
    default:
        return 0;
    }
    return static_cast<double>(fv_.Interest) / 10000.0;
}

void coFlexAmort::BuildOpeningRow() {
    auto& rows = schedule_->Records();
    rows.clear();
    rows.reserve(static_cast<std::size_t>(NumPmts) + 1);
    anchor_ = {};
    rows.push_back(MakeOpeningRow(!trialBuild_));
}

TTransRec coFlexAmort::MakeOpeningRow(bool mayResolvePayment) {
    TTransRec O = MakeRow();

    // The first period: regular (one whole period, or none when paid in advance), short (less
    // than a period) or long (a regular period and odd days before it).
    const double f = dateMath_.PeriodsBetween(OrgDate, FirstPmtDate, PYR);
    const int whole = dateMath_.WholePeriods;
    const int odd = dateMath_.OddDays;
    const bool actualDays = CountsActualDays(Settings.RateBasis);
    O.PerSince = f;
    if ((whole == 0 || whole == 1) && odd == 0) {
        Results.FirstPeriodKind = FirstPeriodKind::Regular;
        Results.WholePeriods = whole;
        if (whole == 1) {
            O.PerSince = 1.0;
            O.DaysSince = actualDays ? FirstPmtDate - OrgDate : NominalDaysOf(PYR);
        } else {
            O.PerSince = 0;
            O.DaysSince = 0;
        }
        Results.OddDays = 0;
        Results.OddFraction = 0;
    } else if (whole == 0) {
        Results.FirstPeriodKind = FirstPeriodKind::Short;
        Results.OddDays = odd;
        Results.WholePeriods = 0;
        Results.OddFraction = f;
        O.DaysSince = odd;
    } else {
        Results.FirstPeriodKind = FirstPeriodKind::Long;
        Results.OddDays = odd;
        Results.WholePeriods = whole;
        Results.OddFraction = f - std::trunc(f);
        if (actualDays) {
            const dates::DayNumber prior = dates::PriorPaymentDate(
                PYR, FirstPmtDate, Settings.WeekendAdjust, Settings.TwiceMonthly);
            O.DaysSince = std::max(0, prior - OrgDate);
        } else {
            O.DaysSince = dateMath_.ExtraDays;
        }
        O.PerSince = f - 1;
    }

    O.NumYears = 1;
    O.TransDate = OrgDate;
    O.TransNo = 0;
    O.PmtNo = 0;
    O.PmtNoYr = "Init/1";
    O.DueDate = OrgDate;
    O.PenaltyDt = OrgDate;
    O.Advance = PV;
    O.PrinBal = PV;
    O.Pmt = 0;
    O.Principal = 0;
    O.Interest = 0;

    if (PointsAmt > 0) {
        if (Settings.PointsPaidMthd == PointsPaid::WithOrigination) {
            O.Interest = CentSum(O.Interest + PointsAmt);
        } else if (Settings.PointsPaidMthd == PointsPaid::Amortized) {
            O.PrinBal = CentSum(O.PrinBal + PointsAmt);
            O.Principal = CentSum(O.Principal + PointsAmt);
        }
    }

    Results.OddDaysInterest = 0;
    if (Results.FirstPeriodKind == FirstPeriodKind::Long &&
        Settings.LongInterestPmtMthd != OddDaysPaid::None) {
        Results.OddDaysInterest = OddDaysInterestOn(O);
    }
    const double oddDaysInterest = Results.OddDaysInterest;
    if (Settings.LongInterestPmtMthd == OddDaysPaid::WithOrigination) {
        O.Interest = CentSum(O.Interest + oddDaysInterest);
    } else if (Settings.LongInterestPmtMthd == OddDaysPaid::Amortized && oddDaysInterest != 0) {
        O.Principal = CentSum(O.Principal + oddDaysInterest);
        O.PrinBal = CentSum(O.PrinBal + oddDaysInterest);
        // The larger balance gets a payment solved again over the loan's term. The payment
        // optimisation's trial builds keep the payment they try.
        if (mayResolvePayment) {
            const int frequency = basis_.FrequencyCode != 0 ? basis_.FrequencyCode : PYR;
            Pmt = engine::RoundTo(
                engine::RoundDecimals,
                SolvePayment(RateOfSingle(Rate), O.PrinBal, SolveTermPmts(), frequency, InAdvance) *
                    basis_.Scale);
        }
    }

    O.Pmt = O.Interest; // what is paid at origination
    O.RunningPmt = O.Pmt;
    O.RunningPrincipal = O.Principal;
    O.RunningInt = O.Interest;
    O.RunningExtraPmt = 0;
    O.RunningAccruedInt = 0;
    return O;
}

} // namespace quarvex::amortization
