#include "calculators/Narrowing.h"

#include "engine/FinanceErrors.h"

#include <cmath>
#include <limits>

namespace quarvex::calculators {

float ToSingle(long double value) {
    if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) {
        engine::RaiseFinanceError(engine::kFinOutOfRange);
    }
    return static_cast<float>(value);
}

} // namespace quarvex::calculators
