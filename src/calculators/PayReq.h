#pragma once

#include "engine/formulas/coPayReq.h"
#include "framework/buffer/CalcBuffer.h"

namespace quarvex::calculators {

// The level deposit that grows to a future amount, with what it costs and earns.
class TcbPayReq : public framework::CalcBuffer {
public:
    enum Field : std::size_t {
        FV,
        NumPmts,
        Rate,
        PYR,
        CmpPYR,
        Pmt,
        Principal,
        Gain,
        NumYears,
        TimeToDouble
    };

    static const framework::CalculatorSpec& Definition();
    explicit TcbPayReq(framework::BufferContext& context);
    void Calculate() override;

private:
    engine::coPayReq payReq_;
};

} // namespace quarvex::calculators
