#include "amortization/RunningTotals.h"

#include "amortization/Money.h"

#include <algorithm>

namespace quarvex::amortization {

void AddRunningTotals(const TTransRec& P, TTransRec& R) {
    R.RunningPmt = CentSum(P.RunningPmt + R.Pmt);
    R.RunningExtraPmt = CentSum(P.RunningExtraPmt + R.ExtraPmt);
    R.RunningPrincipal = CentSum(P.RunningPrincipal + R.Principal);
    R.RunningInt = CentSum(P.RunningInt + R.Interest);
}

void RebuildRunningTotals(std::vector<TTransRec>& rows) {
    const TTransRec none;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const TTransRec& P = i == 0 ? none : rows[i - 1];
        TTransRec& R = rows[i];
        AddRunningTotals(P, R);
        R.RunningAccruedInt = std::max(0.0, CentSum(P.RunningAccruedInt + R.AccruedInt));
    }
}

} // namespace quarvex::amortization
