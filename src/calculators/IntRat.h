#pragma once

#include "engine/formulas/coIntRate.h"
#include "framework/buffer/CalcBuffer.h"

namespace quarvex::calculators {

// The annual rate an investment earned between the amount put in and the amount returned.
class TcbIntRate : public framework::CalcBuffer {
public:
    enum Field : std::size_t { AmtInv, AmtRet, NumPmts, CmpPYR, Rate, NumYears };

    static const framework::CalculatorSpec& Definition();
    explicit TcbIntRate(framework::BufferContext& context);
    void Calculate() override;

private:
    engine::coIntRate intRate_;
};

} // namespace quarvex::calculators
