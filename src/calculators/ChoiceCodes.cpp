#include "calculators/ChoiceCodes.h"

#include "engine/EngineTypes.h"
#include "engine/LoanErrors.h"

namespace quarvex::calculators {

void RefuseContinuousAndSimple(std::uint8_t compoundingCode) {
    if (!engine::CompoundingPerYear(compoundingCode)) {
        engine::RaiseLoanError(engine::kLoanUnsupportedCompounding);
    }
}

} // namespace quarvex::calculators
