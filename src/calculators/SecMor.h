#pragma once

#include "engine/coSecMor.h"
#include "framework/buffer/CalcBuffer.h"

namespace quarvex::calculators {

// Whether a purchase needs a second mortgage besides cash and a first mortgage, and what the
// two cost a month.
class TcbSecMor : public framework::CalcBuffer {
public:
    enum Field : std::size_t { PP, CA, FM, FT, FIR, SIR, FP, SP, BP, SM };

    static const framework::CalculatorSpec& Definition();
    explicit TcbSecMor(framework::BufferContext& context);
    void Calculate() override;

private:
    engine::coSecMor mortgage_;
};

} // namespace quarvex::calculators
