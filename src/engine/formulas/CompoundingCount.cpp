#include "engine/formulas/CompoundingCount.h"

#include "engine/EngineTypes.h"
#include "engine/LoanErrors.h"

namespace quarvex::engine {

namespace {

constexpr std::uint16_t kContinuousAsDaily = 365;

} // namespace

std::uint16_t CompoundingCountFor(std::uint8_t compoundingCode) {
    if (compoundingCode == static_cast<std::uint8_t>(Compounding::Continuous)) {
        return kContinuousAsDaily;
    }
    if (const auto count = CompoundingPerYear(compoundingCode)) {
        return *count;
    }
    RaiseLoanError(kLoanUnsupportedCompounding);
}

} // namespace quarvex::engine
