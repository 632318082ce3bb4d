#include "amortization/Money.h"
#include "amortization/RowLabel.h"
#include "amortization/coFlexAmort.h"
#include "framework/dates/PaymentDates.h"

#include <cmath>

// Row 1: the first payment, whose period may be regular, short or long.
namespace quarvex::amortization {
namespace {

std::int64_t TenThousandths(double amount) {
    return std::llround(amount * 10000.0);
}

} // namespace

double coFlexAmort::FirstRowCharges(bool withPoints) const {
    double charges = 0;
    if (withPoints && PointsAmt > 0 && Settings.PointsPaidMthd == PointsPaid::WithFirst) {
        charges += PointsAmt;
    }
    if (Settings.LongInterestPmtMthd == OddDaysPaid::WithFirst && Results.OddDaysInterest > 0) {
        charges += Results.OddDaysInterest;
    }
    return CentSum(charges);
}

TTransRec coFlexAmort::StartFirstRow() const {
    TTransRec R = MakeRow();
    R.TransDate = FirstPmtDate;
    R.NumYears = 1;
    R.TransNo = 1;
    R.PmtNo = 1;
    R.PmtNoYr = RowLabel(1, 1);
    R.DueDate = FirstPmtDate;
    R.PenaltyDt = FirstPmtDate;
    return R;
}

double coFlexAmort::CoverFirstPeriod(TTransRec& O, TTransRec& R, bool wantFullPeriodInterest) {
    const bool actualDays = CountsActualDays(Settings.RateBasis);
    double fullPeriodInterest = 0;
    switch (Results.FirstPeriodKind) {
    case FirstPeriodKind::Long:
        // The odd days before the regular period stay with the opening row.
        R.PerSince = 1.0;
        R.DaysSince = actualDays ? FirstPmtDate - OrgDate - O.DaysSince : NominalDaysOf(PYR);
        return 0;
    case FirstPeriodKind::Short:
        if (wantFullPeriodInterest) {
            R.PerSince = 1.0;
            R.DaysSince = actualDays
                              ? FirstPmtDate - dates::PriorPaymentDate(PYR, FirstPmtDate,
                                                                       Settings.WeekendAdjust,
                                                                       Settings.TwiceMonthly)
                              : NominalDaysOf(PYR);
            fullPeriodInterest = AccrueInterest(O, R);
        }
        break;
    case FirstPeriodKind::Regular:
        break;
    }
    R.PerSince = O.PerSince;
    R.DaysSince = O.DaysSince;
    O.PerSince = 0;
    O.DaysSince = 0;
    return fullPeriodInterest;
}

void coFlexAmort::BuildFirstPeriod() {
    auto& rows = schedule_->Records();
    TTransRec& O = rows.front();
    TTransRec R = StartFirstRow();
    anchor_ = {1, {FirstPmtDate, firstPmtDay_}, 1, LoanYearStart(2)};

    if (PointsAmt > 0 && Settings.PointsPaidMthd == PointsPaid::WithFirst) {
        R.Interest = PointsAmt;
        R.Pmt = CentSum(R.Pmt + PointsAmt);
    }
    const bool isShort = Results.FirstPeriodKind == FirstPeriodKind::Short;
    const double fullPeriodInterest = CoverFirstPeriod(
        O, R, isShort && Settings.ShortInterestPmtMthd != ShortPeriodPaid::NoReduction);

    const double periodInterest = AccrueUnderUSRule(O, R);
    R.Interest = CentSum(R.Interest + periodInterest);

    if (Settings.LongInterestPmtMthd == OddDaysPaid::WithFirst && Results.OddDaysInterest > 0) {
        R.Interest = CentSum(R.Interest + Results.OddDaysInterest);
        R.Pmt = CentSum(R.Pmt + Results.OddDaysInterest);
    }
    if (isShort && Settings.ShortInterestPmtMthd == ShortPeriodPaid::ReduceFirst) {
        // A short first period pays less by the interest it does not run for.
        R.Pmt = CentSum(
            static_cast<double>(TenThousandths(R.Pmt) - (TenThousandths(fullPeriodInterest) -
                                                         TenThousandths(periodInterest))) /
            10000.0);
    }
    if (IntOnlyPmts >= 1) {
        R.Pmt = R.Interest;
    }
    SettleUnpaidInterest(O, R);
    Results.FirstPmt = R.Pmt;
    SettleRow(O, R);
    rows.push_back(std::move(R));
}

void coFlexAmort::SettleRow(const TTransRec& P, TTransRec& R) {
    R.PrinBal = CentSum(P.PrinBal + R.Interest - R.Pmt - R.ExtraPmt);
    R.Principal = CentSum(R.Pmt + R.ExtraPmt - R.Interest);
    AddRunningTotals(P, R);
}

} // namespace quarvex::amortization
