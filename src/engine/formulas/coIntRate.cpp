#include "engine/formulas/coIntRate.h"

#include "engine/formulas/FormulaErrors.h"
#include "engine/formulas/FormulaGuards.h"

#include <cmath>

namespace quarvex::engine {

void coIntRate::Init(std::int16_t numPmts, std::uint16_t cmpPyr, double amtInv, double amtRet) {
    NumPmts = numPmts;
    CmpPYR = cmpPyr;
    AmtInv = amtInv;
    AmtRet = amtRet;
    Validate();
}

void coIntRate::Validate() const {
    RequireTermCount(NumPmts);
    if (!(std::fabs(AmtInv) >= ZeroTolerance) || !(std::fabs(AmtRet) >= ZeroTolerance)) {
        RaiseFinanceError(kFinZeroAmount);
    }
    // The ratio of the amounts must be positive for its root to exist.
    if (std::signbit(AmtInv) != std::signbit(AmtRet)) {
        throw EOppositeSigns();
    }
    formulas::RequireCompoundingCount(CmpPYR);
}

void coIntRate::Calculate() {
    Validate();
    const long double ratio = static_cast<long double>(AmtRet) / AmtInv;
    const long double perPeriod = std::pow(ratio, 1.0L / NumPmts) - 1.0L;
    Rate = formulas::Finite(perPeriod * 100.0L * CmpPYR);
    NumYears = static_cast<float>(static_cast<double>(NumPmts) / CmpPYR);
}

} // namespace quarvex::engine
