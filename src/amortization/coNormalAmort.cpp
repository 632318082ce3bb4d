#include "amortization/coNormalAmort.h"

#include <cmath>

namespace quarvex::amortization {

void coNormalAmort::BuildPeriods() {
    AppendPeriods([this](TTransRec& P, TTransRec& R) {
        AccruePeriod(P, R);
        SettleRow(P, R);
    });
}

void coNormalAmort::RecalcRow(TTransRec& P, TTransRec& R, RecalcState& state) {
    if (R.CalcPmt || RecalcPmtAfterZero) {
        const bool rateChanged = R.CalcPmt && P.RateChng;
        const bool afterSkipped = RecalcPmtAfterZero && std::fabs(P.Pmt) < 0.0001 &&
                                  std::fabs(R.Pmt) >= 0.0001 && P.PmtNo != 0;
        if (!state.IsLast && (rateChanged || afterSkipped)) {
            // Under a balloon the payment amortizes to the loan's term, not to the balloon row.
            const int lastPmtNo = TermPmts() > NumPmts ? TermPmts() : state.LastPmtNo;
            R.Pmt = SolvePayment(P.Rate, P.PrinBal, lastPmtNo - R.PmtNo + 1, PYR, false);
            state.SolvedPmt = R.Pmt;
        } else if (state.SolvedPmt > 0.001 && R.CalcPmt) {
            // The last row pays the new level payment too, so that it does not leave (or
            // overpay) the difference between the old payment and the new one.
            R.Pmt = state.SolvedPmt;
        }
    }
    R.AccruedInt = 0;
    AccruePeriod(P, R);
    SettleRow(P, R);
}

void coNormalAmort::Recalculate(const TAmortSchedule& source) {
    if (RunRecalcPass(source, {false, true})) {
        FinishSchedule();
    }
}

} // namespace quarvex::amortization
