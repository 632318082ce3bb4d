#pragma once

#include "engine/formulas/coEOQ.h"
#include "framework/buffer/CalcBuffer.h"

namespace quarvex::calculators {

// The order size that balances the cost of ordering against the cost of carrying stock.
class TcbEOQ : public framework::CalcBuffer {
public:
    enum Field : std::size_t {
        CostToWrite,
        AnnualUnits,
        Price,
        UnitLotSize,
        Rate,
        UnitCarryingCost,
        EOQ,
        UnitPrice,
        OrderText
    };

    static const framework::CalculatorSpec& Definition();
    explicit TcbEOQ(framework::BufferContext& context);
    void Calculate() override;

private:
    engine::coEOQ eoq_;
};

} // namespace quarvex::calculators
