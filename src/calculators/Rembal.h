#pragma once

#include "engine/coLoan.h"
#include "framework/buffer/CalcBuffer.h"

namespace quarvex::calculators {

// The balance of a loan after a given payment, and its periodic payment.
class TcbRemBal : public framework::CalcBuffer {
public:
    enum Field : std::size_t {
        PV,
        NumPmts,
        Rate,
        PYR,
        CmpPYR,
        PmtMthd,
        AmortMthd,
        BalAfter,
        Balance,
        Pmt
    };

    static const framework::CalculatorSpec& Definition();
    explicit TcbRemBal(framework::BufferContext& context);
    void Calculate() override;

private:
    engine::coLoan loan_;
};

} // namespace quarvex::calculators
