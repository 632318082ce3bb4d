#pragma once

#include "amortization/coFlexAmort.h"

namespace quarvex::amortization {

// Level payments whose interest is split by the sum of the digits: of a finance charge F over
// N payments, payment k carries (N - k + 1) / (N(N+1)/2) of F. In cents: the interest earned
// by payment k is F x (the digits of payments 1 to k) / (N(N+1)/2) rounded to the cent, and
// each payment carries what that adds to the payments before it, so that the interest paid
// to any row is the charge earned to it and the payments together carry exactly F.
class coRules78Amort : public coFlexAmort {
public:
    using coFlexAmort::coFlexAmort;

    // N payments times the payment less the amount the schedule opens with, rounded to cents.
    double FinanceCharge = 0;

    // After the generic checks: the rate basis must be "Ordinary" (code 210) and the
    // compounding must equal the payment frequency (code 211).
    void Init(const FlexAmortTerms& terms) override;
    void BuildFirstPeriod() override;
    void BuildPeriods() override;

    // A Rule-of-78s schedule cannot take adjusted rates or extra payments: the rows stay as
    // they are and the user is told so (an information box when a messages service is given).
    void Recalculate(const TAmortSchedule& source) override;

    static constexpr const char* kNoRecalcText =
        "'Rule-of-78s' does not support\r\reither adjustable rates or extra payments.";

protected:
    void RecalcRow(TTransRec&, TTransRec&, RecalcState&) override {}
    bool PaymentDrivesSchedule() const override { return false; }

private:
    double InterestOfPayment(std::int32_t k) const;
    // The finance charge earned by payments 1 to k, in cents.
    double EarnedBy(std::int32_t k) const;
};

} // namespace quarvex::amortization
