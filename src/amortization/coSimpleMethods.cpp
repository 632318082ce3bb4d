#include "amortization/coSimpleMethods.h"

#include "amortization/EAmort.h"
#include "engine/Rounding.h"

namespace quarvex::amortization {

void coSimpleNormalAmort::PayPeriod(TSimpleAmortRec& row, double) {
    row.Pmt = Pmt;
    if (row.Period == 1 && PointsAmt > 0 && PointsPaidMthd == PointsPaid::WithFirst) {
        row.Pmt += PointsAmt;
        row.Interest += PointsAmt;
    }
}

void coSimpleCanadianAmort::Init(const SimpleAmortTerms& terms) {
    if (terms.CmpPYR != kSemiannualCode) {
        RaiseAmortError(kAmortCanadianCompounding);
    }
    if (terms.PYR != kMonthlyCode) {
        RaiseAmortError(kAmortCanadianPayments);
    }
    coSimpleNormalAmort::Init(terms);
}

void coSimpleIntOnlyAmort::PayPeriod(TSimpleAmortRec& row, double) {
    row.Pmt = row.Interest;
}

void coSimpleFixPrinAmort::Init(const SimpleAmortTerms& terms) {
    coSimpleBaseAmort::Init(terms);
    FixedPrincipal = engine::RoundTo(engine::RoundDecimals, PV / NumPmts);
}

void coSimpleFixPrinAmort::PayPeriod(TSimpleAmortRec& row, double) {
    row.Pmt = FixedPrincipal + row.Interest;
}

void coSimpleRules78Amort::PayPeriod(TSimpleAmortRec& row, double) {
    const double n = NumPmts;
    const double financeCharge = n * Pmt - PV;
    const double digits = n - row.Period + 1;
    row.Interest =
        engine::RoundTo(engine::RoundDecimals, digits * financeCharge / (n * (n + 1) * 0.5));
    row.Pmt = Pmt;
}

} // namespace quarvex::amortization
