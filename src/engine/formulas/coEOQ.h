#pragma once

#include <cstdint>

namespace quarvex::engine {

// The economic order quantity: the order size that balances the cost of writing orders
// against the cost of carrying stock.
class coEOQ {
public:
    double AnnualUnits = 0;
    double CostToWrite = 0;       // cost of writing one purchase order
    double Price = 0;             // price of UnitLotSize units
    std::int32_t UnitLotSize = 1; // the price is for this many units
    long double Rate = 0;         // annual interest rate, percent

    double UnitCarryingCost = 0; // a year's interest on the price of one unit
    double EOQ = 0;              // units per order
    double UnitPrice = 0;        // Price / UnitLotSize
    // EOQ / UnitLotSize, halves to the even neighbour. 32 bits: a cheap item used by the
    // million is ordered in more lots than 16 bits can count.
    std::int32_t OrderUnitLots = 0;

    // Stores the inputs; raises ENotPositive "Field value(s) should be greater than Zero" when
    // UnitLotSize, Price or Rate is not above zero, or AnnualUnits or CostToWrite is negative.
    void Init(std::int32_t UnitLotSize, double AnnualUnits, double CostToWrite, double Price,
              long double Rate);

    // Checks as Init does; a quantity too large to hold raises code 112 (out of range). On an
    // error the results keep their values.
    void Calculate();

private:
    void Validate() const;
};

} // namespace quarvex::engine
