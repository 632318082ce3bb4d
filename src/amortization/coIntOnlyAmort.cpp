#include "amortization/coIntOnlyAmort.h"

#include "amortization/Money.h"

namespace quarvex::amortization {

void coIntOnlyAmort::PayOff(const TTransRec& P, TTransRec& R) {
    // An extra payment of the row becomes part of its payment, so that payment + extra -
    // interest stays the principal.
    R.Pmt = CentSum(R.Pmt + R.PrinBal + R.ExtraPmt);
    R.Principal = CentSum(R.Principal + R.PrinBal);
    R.ExtraPmt = 0;
    R.PrinBal = 0;
    R.AccruedInt = 0;
    R.RunningAccruedInt = 0;
    AddRunningTotals(P, R);
}

void coIntOnlyAmort::BuildFirstPeriod() {
    coFlexAmort::BuildFirstPeriod();
    auto& rows = Schedule().Records();
    const TTransRec& O = rows.front();
    TTransRec& R = rows.back();
    R.Pmt = R.Interest;
    R.AccruedInt = 0;
    R.RunningAccruedInt = O.RunningAccruedInt;
    SettleRow(O, R);
    if (NumPmts <= 1) {
        // A single payment is also the last one: it repays the loan.
        PayOff(O, R);
    }
    Results.FirstPmt = R.Pmt;
}

void coIntOnlyAmort::BuildPeriods() {
    AppendPeriods([this](TTransRec& P, TTransRec& R) {
        R.Interest = AccrueInterest(P, R);
        R.Pmt = R.Interest;
        SettleRow(P, R);
        if (R.TransNo >= NumPmts) {
            PayOff(P, R);
        }
    });
}

void coIntOnlyAmort::RecalcRow(TTransRec& P, TTransRec& R, RecalcState&) {
    R.AccruedInt = 0;
    R.RunningAccruedInt = 0;
    R.Interest = AccrueInterest(P, R);
    if (R.TransNo == 1) {
        R.Interest = CentSum(R.Interest + FirstRowCharges(true));
    }
    R.Pmt = R.Interest;
    SettleRow(P, R);
}

void coIntOnlyAmort::Recalculate(const TAmortSchedule& source) {
    if (!RunRecalcPass(source, {true, false})) {
        return;
    }
    FinishSchedule();
    auto& rows = Schedule().Records();
    TTransRec& last = rows.back();
    if (!IsPaidOff(last.PrinBal)) {
        PayOff(rows[rows.size() - 2], last);
        PublishResults();
    }
}

} // namespace quarvex::amortization
