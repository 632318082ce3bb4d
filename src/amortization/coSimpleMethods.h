#pragma once

#include "amortization/coSimpleBaseAmort.h"

// The method classes of the simple engine.
namespace quarvex::amortization {

// Level payments; points paid "With First" raise the first payment and its interest, other
// points are added to the balance.
class coSimpleNormalAmort : public coSimpleBaseAmort {
public:
    void BuildPeriods() override { BuildRows(); }

protected:
    void PayPeriod(TSimpleAmortRec& row, double previousBalance) override;
};

// Level monthly payments with semiannual compounding; Init checks both before anything else
// (codes 102 and 103).
class coSimpleCanadianAmort : public coSimpleNormalAmort {
public:
    void Init(const SimpleAmortTerms& terms) override;
};

// Payments of exactly the interest: the balance stays until the last payment repays it.
class coSimpleIntOnlyAmort : public coSimpleBaseAmort {
public:
    void BuildPeriods() override { BuildRows(); }

protected:
    void PayPeriod(TSimpleAmortRec& row, double previousBalance) override;
};

// The same principal each period, the loan amount over the payments rounded to cents, plus
// the interest.
class coSimpleFixPrinAmort : public coSimpleBaseAmort {
public:
    double FixedPrincipal = 0;

    void Init(const SimpleAmortTerms& terms) override;
    void BuildPeriods() override { BuildRows(); }

protected:
    void PayPeriod(TSimpleAmortRec& row, double previousBalance) override;
};

// Level payments whose interest is the sum-of-digits share of the finance charge T = NumPmts x
// Pmt - PV: period k carries (N - k + 1) / (N(N+1)/2) of T, rounded to cents, exactly as the
// remaining-balance solver splits it.
class coSimpleRules78Amort : public coSimpleBaseAmort {
public:
    void BuildPeriods() override { BuildRows(); }

protected:
    void PayPeriod(TSimpleAmortRec& row, double previousBalance) override;
};

} // namespace quarvex::amortization
