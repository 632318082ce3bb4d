#pragma once

#include "engine/formulas/coEquRate.h"
#include "framework/buffer/CalcBuffer.h"

namespace quarvex::calculators {

// Nominal and effective rates at one compounding, and what they come to at others.
class TcbEquRate : public framework::CalcBuffer {
public:
    enum Field : std::size_t {
        NominalRate,
        EffectiveRate,
        CmpPYR,
        DaysInYear,
        ThisDailyRate,
        ThisPeriodicRate,
        Annual,
        SemiAnnual,
        Monthly,
        Daily,
    };

    static const framework::CalculatorSpec& Definition();
    explicit TcbEquRate(framework::BufferContext& context);
    void Calculate() override;
    // The copied text leaves out the two rates; the window shows them, one of them solved, so
    // the command line prints them after the compounding and days rows.
    std::string CommandLineText() const override;

private:
    engine::coEquRate equRate_;
};

} // namespace quarvex::calculators
