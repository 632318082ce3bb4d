#pragma once

#include "engine/formulas/coPreValAmt.h"
#include "framework/buffer/CalcBuffer.h"

namespace quarvex::calculators {

// What an amount due after some compounding periods is worth today.
class TcbPreValAmt : public framework::CalcBuffer {
public:
    enum Field : std::size_t { FV, NumPmts, CmpPYR, Rate, PVA, NumYears };

    static const framework::CalculatorSpec& Definition();
    explicit TcbPreValAmt(framework::BufferContext& context);
    void Calculate() override;

private:
    engine::coPreValAmt preVal_;
};

} // namespace quarvex::calculators
