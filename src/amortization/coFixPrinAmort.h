#pragma once

#include "amortization/coFlexAmort.h"

namespace quarvex::amortization {

// The same principal every period plus the interest on the balance.
class coFixPrinAmort : public coFlexAmort {
public:
    using coFlexAmort::coFlexAmort;

    double FixedPrincipal = 0; // the loan amount over the loan's payments, rounded to cents

    void Init(const FlexAmortTerms& terms) override;
    void BuildFirstPeriod() override;
    void BuildPeriods() override;

    // Every row pays the fixed principal plus its interest, and its extra payment; the pass
    // runs while the balance lasts.
    void Recalculate(const TAmortSchedule& source) override;

protected:
    void RecalcRow(TTransRec& P, TTransRec& R, RecalcState& state) override;
    bool PaymentDrivesSchedule() const override { return false; }

    // Row 1 with its period covered, before any amount.
    TTransRec StartCoveredFirstRow();
};

} // namespace quarvex::amortization
