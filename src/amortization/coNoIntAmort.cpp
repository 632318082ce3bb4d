#include "amortization/coNoIntAmort.h"

namespace quarvex::amortization {

void coNoIntAmort::Init(const FlexAmortTerms& terms) {
    FlexAmortTerms withoutRate = terms;
    withoutRate.Rate = 0;
    coFixPrinAmort::Init(withoutRate);
}

void coNoIntAmort::BuildOpeningRow() {
    coFlexAmort::BuildOpeningRow();
    TTransRec& O = Opening();
    O.Pmt = 0;
    O.Interest = 0;
    O.Principal = 0;
    O.PrinBal = PV;
    O.RunningPmt = 0;
    O.RunningPrincipal = 0;
    O.RunningInt = 0;
    Results.OddDaysInterest = 0;
}

void coNoIntAmort::PayFixedPrincipal(const TTransRec& P, TTransRec& R) const {
    R.Interest = 0;
    R.AccruedInt = 0;
    R.RunningAccruedInt = 0;
    R.Pmt = FixedPrincipal;
    SettleRow(P, R);
}

void coNoIntAmort::BuildFirstPeriod() {
    auto& rows = Schedule().Records();
    TTransRec R = StartCoveredFirstRow();
    PayFixedPrincipal(rows.front(), R);
    Results.FirstPmt = R.Pmt;
    rows.push_back(std::move(R));
}

void coNoIntAmort::BuildPeriods() {
    AppendPeriods([this](TTransRec& P, TTransRec& R) { PayFixedPrincipal(P, R); });
}

void coNoIntAmort::Recalculate(const TAmortSchedule& source) {
    if (!RunRecalcPass(source, {true, false})) {
        return;
    }
    // The fixed-principal pass, then every row without interest (an accrual rate a user typed
    // into a row charges nothing here).
    auto& rows = Schedule().Records();
    std::size_t end = rows.size();
    for (std::size_t i = 1; i < rows.size(); ++i) {
        PayFixedPrincipal(rows[i - 1], rows[i]);
        if (IsPaidOff(rows[i].PrinBal)) {
            end = i + 1;
            break;
        }
    }
    rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(end), rows.end());
    Results.FinalBalance = rows.back().PrinBal;
    FinishSchedule();
}

} // namespace quarvex::amortization
