#include "amortization/coCanadianAmort.h"

#include "amortization/EAmort.h"

namespace quarvex::amortization {

void coCanadianAmort::Init(const FlexAmortTerms& terms) {
    if (terms.CmpPYR != kSemiannualCode) {
        RaiseAmortError(kAmortCanadianCompounding);
    }
    if (terms.PYR != kMonthlyCode) {
        RaiseAmortError(kAmortCanadianPayments);
    }
    coNormalAmort::Init(terms);
}

} // namespace quarvex::amortization
