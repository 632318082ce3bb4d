#include "amortization/coFixPrinAmort.h"

#include "amortization/Money.h"
#include "engine/Rounding.h"

namespace quarvex::amortization {

void coFixPrinAmort::Init(const FlexAmortTerms& terms) {
    coFlexAmort::Init(terms);
    // Over the loan's whole term (not the balloon row), halved under "Half Monthly".
    FixedPrincipal = engine::RoundTo(engine::RoundDecimals, PV * basis_.Scale / TermPmts());
}

TTransRec coFixPrinAmort::StartCoveredFirstRow() {
    // Row 1 covers the same span as for the other methods: one period for a regular or long
    // first period (the long one's odd days stay with the opening row), the short fraction for
    // a short one, none when paid at origination.
    TTransRec R = StartFirstRow();
    CoverFirstPeriod(Opening(), R, false);
    return R;
}

void coFixPrinAmort::BuildFirstPeriod() {
    auto& rows = Schedule().Records();
    TTransRec R = StartCoveredFirstRow();
    R.Interest = AccrueInterest(rows.front(), R);
    if (Settings.LongInterestPmtMthd == OddDaysPaid::WithFirst && Results.OddDaysInterest > 0) {
        R.Interest = CentSum(R.Interest + Results.OddDaysInterest);
    }
    R.Pmt = CentSum(FixedPrincipal + R.Interest);
    Results.FirstPmt = R.Pmt;
    SettleRow(rows.front(), R);
    rows.push_back(std::move(R));
}

void coFixPrinAmort::BuildPeriods() {
    AppendPeriods([this](TTransRec& P, TTransRec& R) {
        R.Interest = AccrueInterest(P, R);
        R.Pmt = CentSum(FixedPrincipal + R.Interest);
        SettleRow(P, R);
    });
}

void coFixPrinAmort::RecalcRow(TTransRec& P, TTransRec& R, RecalcState&) {
    // A row whose payment the user set accrues under the US Rule. Every row pays the fixed
    // principal and its interest, so its unpaid interest is settled against that payment.
    R.Interest = R.CalcPmt ? AccrueInterest(P, R) : AccrueUnderUSRule(P, R);
    if (R.TransNo == 1) {
        R.Interest = CentSum(R.Interest + FirstRowCharges(false));
    }
    R.Pmt = CentSum(FixedPrincipal + R.Interest);
    R.AccruedInt = 0;
    SettleUnpaidInterest(P, R);
    SettleRow(P, R);
}

void coFixPrinAmort::Recalculate(const TAmortSchedule& source) {
    if (RunRecalcPass(source, {true, false})) {
        FinishSchedule();
    }
}

} // namespace quarvex::amortization
