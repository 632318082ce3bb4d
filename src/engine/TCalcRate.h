#pragma once

#include "engine/EngineTypes.h"

#include <cstdint>
#include <optional>

namespace quarvex::engine {

// The nominal annual rate, in percent at c compoundings a year, at which n payments of Pmt,
// p a year, pay off PV. The iteration is capped at MaxTries passes; a rate above 100 %, below
// 0 % (arrears) or not found raises an error whose text ends in the last trial rate.
class TCalcRate {
public:
    double Rate(int n, std::uint16_t p, AmortMethod method, std::uint16_t c, double Pmt,
                double PV) const;
    double RateAdvance(int n, std::uint16_t p, AmortMethod method, std::uint16_t c, double Pmt,
                       double PV) const;

    // The number of passes the last level-payment iteration took (for tests and tuning).
    int LastPasses() const { return lastPasses_; }

private:
    struct Question {
        int paymentsDiscounted; // n, or n - 1 when the first payment is made at once
        std::uint16_t p;
        std::uint16_t c;
        double Pmt;
        double target; // PV, or PV - Pmt in advance
    };
    double Iterate(const Question& question, bool refuseNegative) const;
    // The checks every method shares, and the rate of the methods that need no iteration.
    std::optional<double> DirectRate(int n, std::uint16_t p, AmortMethod method, double Pmt,
                                     double PV) const;

    mutable int lastPasses_ = 0;
};

} // namespace quarvex::engine
