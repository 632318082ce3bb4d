#pragma once

#include "amortization/coFixPrinAmort.h"

namespace quarvex::amortization {

// The loan amount repaid in equal parts without interest.
class coNoIntAmort : public coFixPrinAmort {
public:
    using coFixPrinAmort::coFixPrinAmort;

    // As the fixed-principal method, with the rate set to 0.
    void Init(const FlexAmortTerms& terms) override;

    // No points and no odd-days interest are carried: the opening row pays nothing and owes the
    // loan amount.
    void BuildOpeningRow() override;
    void BuildFirstPeriod() override;
    void BuildPeriods() override;
    void Recalculate(const TAmortSchedule& source) override;

private:
    void PayFixedPrincipal(const TTransRec& P, TTransRec& R) const;
};

} // namespace quarvex::amortization
