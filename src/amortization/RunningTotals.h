#pragma once

#include "amortization/Money.h"
#include "amortization/TTransRec.h"

#include <vector>

namespace quarvex::amortization {

// R's running payment, extra payment, principal and interest: P's plus R's own, in cents.
// (Every row of every schedule comes here: it is kept where the compiler can inline it.)
inline void AddRunningTotals(const TTransRec& P, TTransRec& R) {
    R.RunningPmt = CentSum(P.RunningPmt + R.Pmt);
    R.RunningExtraPmt =
        R.ExtraPmt == 0 ? P.RunningExtraPmt : CentSum(P.RunningExtraPmt + R.ExtraPmt);
    R.RunningPrincipal = CentSum(P.RunningPrincipal + R.Principal);
    R.RunningInt = CentSum(P.RunningInt + R.Interest);
}

// Every running total worked out again from the rows' own amounts, from the opening row on
// (whose totals are its own amounts): for rows taken from where the totals are not kept. The
// running unpaid interest follows each row's unpaid interest and never goes below 0.
void RebuildRunningTotals(std::vector<TTransRec>& rows);

} // namespace quarvex::amortization
