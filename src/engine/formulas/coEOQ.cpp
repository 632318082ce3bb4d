#include "engine/formulas/coEOQ.h"

#include "engine/Rounding.h"
#include "engine/formulas/FormulaErrors.h"
#include "engine/formulas/FormulaGuards.h"

#include <cmath>
#include <limits>

namespace quarvex::engine {

void coEOQ::Init(std::int32_t unitLotSize, double annualUnits, double costToWrite, double price,
                 long double rate) {
    UnitLotSize = unitLotSize;
    AnnualUnits = annualUnits;
    CostToWrite = costToWrite;
    Price = price;
    Rate = rate;
    Validate();
}

void coEOQ::Validate() const {
    // A free item or one carried without cost would call for one infinite order; negative
    // usage or ordering cost has no square root. (The negations also refuse non-numbers.)
    const bool positive = UnitLotSize > 0 && Price > 0 && Rate > 0;
    const bool notNegative = AnnualUnits >= 0 && CostToWrite >= 0;
    if (!positive || !notNegative) {
        throw ENotPositive();
    }
}

void coEOQ::Calculate() {
    Validate();
    using formulas::Finite;
    const long double unitPrice = static_cast<long double>(Price) / UnitLotSize;
    const long double carryingCost = Finite(0.01L * Rate * unitPrice);
    // A carrying cost so small that it underflows to zero leaves the order quantity without
    // bound: the quotient is infinite and Finite refuses it.
    const long double eoq = Finite(std::sqrt(2.0L * AnnualUnits * CostToWrite / carryingCost));
    const long double lots = RoundHalfEven(static_cast<double>(eoq / UnitLotSize));
    if (lots > std::numeric_limits<std::int32_t>::max()) {
        RaiseFinanceError(kFinOutOfRange);
    }

    UnitPrice = static_cast<double>(unitPrice);
    UnitCarryingCost = static_cast<double>(carryingCost);
    EOQ = static_cast<double>(eoq);
    OrderUnitLots = static_cast<std::int32_t>(lots);
}

} // namespace quarvex::engine
