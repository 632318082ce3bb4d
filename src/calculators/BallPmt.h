#pragma once

#include "engine/coBallPmt.h"
#include "framework/buffer/CalcBuffer.h"

namespace quarvex::calculators {

// The level payment of a loan that ends in a balloon.
class TcbBallPmt : public framework::CalcBuffer {
public:
    enum Field : std::size_t { PV, Rate, FV, PeriodDue, PYR, CmpPYR, PmtMthd, Pmt };

    static const framework::CalculatorSpec& Definition();
    explicit TcbBallPmt(framework::BufferContext& context);
    void Calculate() override;

private:
    engine::coBallPmt balloon_;
};

} // namespace quarvex::calculators
