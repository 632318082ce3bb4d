#pragma once

#include "amortization/coFlexAmort.h"

namespace quarvex::amortization {

// Level payments with interest on the declining balance.
class coNormalAmort : public coFlexAmort {
public:
    using coFlexAmort::coFlexAmort;

    // Rows 2 on: each pays the engine's payment (or interest only in the initial interest-only
    // payments), until the balance is paid or the row is number NumPmts.
    void BuildPeriods() override;

    // Recalculates the edited rows: a new Rate in row k solves a new level payment from row
    // k + 1 over the payments to the last row (to the loan's term under a balloon), so the loan
    // keeps its end; a skipped payment re-solves the next one only with RecalcPmtAfterZero.
    void Recalculate(const TAmortSchedule& source) override;

protected:
    void RecalcRow(TTransRec& P, TTransRec& R, RecalcState& state) override;
};

} // namespace quarvex::amortization
