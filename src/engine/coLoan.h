#pragma once

#include "engine/TCalcPV.h"
#include "engine/TCalcPmt.h"
#include "engine/TCalcRate.h"
#include "engine/TCalcTerm.h"

#include <cstdint>

namespace quarvex::engine {

// One loan question: of amount, number of payments, annual rate and payment, the one left at
// zero is solved with the level-payment equation of the amortizing method.
class coLoan {
public:
    enum UnknownField : std::uint8_t { kNone = 0, kPV = 1, kNumPmts = 2, kRate = 3, kPmt = 4 };

    double PV = 0;
    std::int16_t NumPmts = 0;
    float Rate = 0; // annual, percent
    double Pmt = 0; // for Fixed Principal the first payment
    std::uint16_t PYR = 12;
    std::uint16_t CmpPYR = 12;
    std::uint8_t PmtMthd = 0;
    std::uint8_t AmortMthd = 0;
    double Interest = 0; // total interest (result)
    std::uint8_t Unknown = kNone;

    // Stores the inputs and finds the zero field; raises ETooManyUnknowns for two or more. A
    // negative NumPmts raises "Term can't be negative." before anything is stored.
    std::uint8_t Init(double PV, std::int16_t NumPmts, float Rate, double Pmt, std::uint16_t PYR,
                      std::uint16_t CmpPYR, std::uint8_t PmtMthd, std::uint8_t AmortMthd);

    // Solves for the Unknown field, then sets Interest. On an error the solved field keeps its
    // old value and Interest is 0. A term of more than 32,767 payments raises code 115, one that
    // rounds to none code 117.
    void Calculate();

private:
    AmortMethod Method() const { return static_cast<AmortMethod>(AmortMthd); }
    bool InAdvance() const { return IsAdvance(PmtMthd); }
    std::int16_t SolveTerm(double periodicRate) const;
    // NumPmts x Pmt less PV, by method; code 112 (out of range) when it cannot be held.
    double InterestForTerm() const;

    TCalcPmt pmtSolver_;
    TCalcTerm termSolver_;
    TCalcRate rateSolver_;
    TCalcPV pvSolver_;
};

} // namespace quarvex::engine
