#include "amortization/Money.h"
#include "amortization/coFlexAmort.h"

#include <cmath>

// The whole fresh calculation and the finish every schedule gets: the last row's extra payment
// and the last-period adjustment.
namespace quarvex::amortization {

void coFlexAmort::Calculate() {
    Results = {};
    truncated_ = false;
    trialBuild_ = false;
    BuildOpeningRow();
    BuildFirstPeriod();
    if (NumPmts > 1 && !IsPaidOff(schedule_->Records().back().PrinBal)) {
        BuildPeriods();
    }
    Results.FinalBalance = schedule_->FinalBalance();
    if (OptimizePmts && schedule_->Count() > 2) {
        OptimizePayment();
    }
    FinishSchedule();
}

void coFlexAmort::RebuildForTrial() {
    truncated_ = false;
    trialBuild_ = true;
    BuildOpeningRow();
    BuildFirstPeriod();
    if (NumPmts > 1 && !IsPaidOff(schedule_->Records().back().PrinBal)) {
        BuildPeriods();
    }
    trialBuild_ = false;
}

void coFlexAmort::FinishSchedule() {
    auto& rows = schedule_->Records();
    if (rows.empty()) {
        return;
    }
    TTransRec& last = rows.back();
    if (rows.size() >= 2) {
        const TTransRec& prev = rows[rows.size() - 2];
        last.AccPerRt = prev.AccPerRt;
        last.AccDlyRt = prev.AccDlyRt;
    }
    Results.FinalBalance = last.PrinBal;

    // An extra payment in the last row pays no more than the loan still owes.
    if (rows.size() >= 2 && last.ExtraPmt > 0) {
        const TTransRec& prev = rows[rows.size() - 2];
        const double owed = CentSum(prev.PrinBal + last.Interest - last.Pmt);
        const double cut =
            !IsPaidOff(owed) ? std::max(0.0, CentSum(last.ExtraPmt - owed)) : last.ExtraPmt;
        if (cut > 0) {
            last.ExtraPmt = CentSum(last.ExtraPmt - cut);
            last.Principal = CentSum(last.Principal - cut);
            last.RunningPrincipal = CentSum(last.RunningPrincipal - cut);
            last.RunningExtraPmt = CentSum(last.RunningExtraPmt - cut);
            last.PrinBal = !IsPaidOff(owed) ? 0.0 : owed;
        }
    }

    const double balance = last.PrinBal;
    if (Settings.AdjustLastMthd != LastPeriodAdjust::NoAdjustment && IsCentOrMore(balance)) {
        if (balance > 0 && Settings.AdjustLastMthd == LastPeriodAdjust::ReduceInterest &&
            last.Interest >= balance) {
            last.Interest = CentSum(last.Interest - balance);
            last.RunningInt = CentSum(last.RunningInt - balance);
        } else {
            // The payment takes up what is left, or gives back what was overpaid.
            last.Pmt = CentSum(last.Pmt + balance);
            last.RunningPmt = CentSum(last.RunningPmt + balance);
        }
        last.Principal = CentSum(last.Principal + balance);
        last.RunningPrincipal = CentSum(last.RunningPrincipal + balance);
        last.PrinBal = 0;
    }
    PublishResults();
}

void coFlexAmort::PublishResults() {
    const auto& rows = schedule_->Records();
    if (rows.empty()) {
        return;
    }
    const TTransRec& last = rows.back();
    Results.LastTransNo = last.TransNo;
    Results.LastPmtDate = last.TransDate;
    Results.LastPmt = last.Pmt;
    Results.TotalPmts = last.RunningPmt;
    Results.TotalInterest = last.RunningInt;
    Results.LastInterest = last.Interest;
    Results.LastPrincipal = last.Principal;
    Results.NumYears = last.NumYears;
    Results.DaysToLastPmt = last.TransDate - OrgDate;
}

} // namespace quarvex::amortization
