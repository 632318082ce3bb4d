#pragma once

#include "engine/coLoan.h"
#include "framework/buffer/CalcBuffer.h"

namespace quarvex::calculators {

// The Loan calculator: of amount, number of payments, annual rate and payment, the one left
// at zero is solved, for any payment and compounding frequency, timing and amortizing method.
class TcbLoan : public framework::CalcBuffer {
public:
    enum Field : std::size_t { PV, NumPmts, Rate, Pmt, PYR, CmpPYR, PmtMthd, AmortMthd, Interest };

    static const framework::CalculatorSpec& Definition();

    explicit TcbLoan(framework::BufferContext& context);

    void Calculate() override;
    int SolvedField() const override;

    // The quantity solved last (coLoan's unknown code, 1 to 4); the payment at first.
    std::uint8_t Unknown() const { return unknown_; }

private:
    engine::coLoan loan_;
    std::uint8_t unknown_ = engine::coLoan::kPmt;
};

} // namespace quarvex::calculators
