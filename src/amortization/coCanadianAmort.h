#pragma once

#include "amortization/coNormalAmort.h"

namespace quarvex::amortization {

// Level monthly payments with semiannual compounding: the periodic rate is
// (1 + r/200)^(1/6) - 1.
class coCanadianAmort : public coNormalAmort {
public:
    using coNormalAmort::coNormalAmort;

    // Before any other check: compounding must be semiannual (code 102) and payments monthly
    // (code 103).
    void Init(const FlexAmortTerms& terms) override;
};

} // namespace quarvex::amortization
