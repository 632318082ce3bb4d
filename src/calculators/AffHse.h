#pragma once

#include "engine/coAffHse.h"
#include "framework/buffer/CalcBuffer.h"

namespace quarvex::calculators {

// The house price a buyer can afford from income, cash and a mortgage.
class TcbAffHse : public framework::CalcBuffer {
public:
    enum Field : std::size_t {
        AnnualIncome,
        CashAvailable,
        Rate,
        NumPmts,
        EstTaxIns,
        EstMaintenance,
        PercentIncome,
        PV,
        AffordableAmount,
        Share
    };

    static const framework::CalculatorSpec& Definition();
    explicit TcbAffHse(framework::BufferContext& context);
    void Calculate() override;

private:
    engine::coAffHse house_;
};

} // namespace quarvex::calculators
