#include "amortization/RunningTotals.h"

#include <algorithm>

namespace quarvex::amortization {

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
