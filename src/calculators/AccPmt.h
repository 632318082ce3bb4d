#pragma once

#include "engine/coAccPmt.h"
#include "framework/buffer/CalcBuffer.h"

namespace quarvex::calculators {

// What an extra amount paid every period saves in time and interest.
class TcbAccPmt : public framework::CalcBuffer {
public:
    enum Field : std::size_t {
        PV,
        NumPmts,
        Rate,
        IncAfter,
        ExtraPd,
        PYR,
        CmpPYR,
        PmtMthd,
        AmortMthd,
        NewNumPmts,
        IntSaved
    };

    static const framework::CalculatorSpec& Definition();
    explicit TcbAccPmt(framework::BufferContext& context);
    void Calculate() override;

private:
    engine::coAccPmt accelerated_;
};

} // namespace quarvex::calculators
