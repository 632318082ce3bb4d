#include "engine/formulas/coPreValAmt.h"

#include "engine/formulas/FormulaGuards.h"

#include <cmath>

namespace quarvex::engine {

void coPreValAmt::Init(double fv, std::int16_t numPmts, std::uint16_t cmpPyr, long double rate) {
    FV = fv;
    NumPmts = numPmts;
    CmpPYR = cmpPyr;
    Rate = rate;
    Validate();
}

void coPreValAmt::Validate() const {
    RequireTermCount(NumPmts);
    formulas::RequireCompoundingCount(CmpPYR);
}

void coPreValAmt::Calculate() {
    Validate();
    long double pva = FV;
    if (!formulas::IsZeroRate(Rate)) {
        const long double growth = formulas::RequireGrowth(1.0L + 0.01L * Rate / CmpPYR);
        pva = FV / std::pow(growth, static_cast<long double>(NumPmts));
    }
    PVA = static_cast<double>(formulas::Finite(pva));
    NumYears = static_cast<float>(static_cast<double>(NumPmts) / CmpPYR);
}

} // namespace quarvex::engine
