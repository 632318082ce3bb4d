#pragma once

#include "engine/TCalcPmt.h"

#include <cstdint>

namespace quarvex::engine {

// What an extra amount paid every period from period IncAfter on saves: the periods until
// the loan is paid off and the interest saved against the loan as scheduled.
class coAccPmt {
public:
    double PV = 0;
    std::int16_t NumPmts = 0;
    float Rate = 0;
    std::int16_t IncAfter = 0; // first period with the extra payment
    double ExtraPd = 0;        // extra amount per period
    std::uint16_t PYR = 12;
    std::uint16_t CmpPYR = 12;
    std::uint8_t PmtMthd = 0;
    std::uint8_t AmortMthd = 0;

    std::int16_t NewNumPmts = 0; // periods to pay off
    double IntSaved = 0;         // total interest saved

    // Raises "Term can't be negative." and "A payment number can't be negative." for those
    // counts below zero, then "Too many unknown values." (zero amount, rate or term), then
    // "No extra payments made." (no extra amount, or none from any period).
    void Init(double PV, std::int16_t NumPmts, float Rate, std::int16_t IncAfter, double ExtraPd,
              std::uint16_t PYR, std::uint16_t CmpPYR, std::uint8_t PmtMthd,
              std::uint8_t AmortMthd);
    void Calculate();

private:
    // How each period of the accelerated schedule reduces the balance.
    enum class Repayment { Level, FixedPrincipal, NoInterest };

    // The running state of the accelerated schedule.
    struct Run {
        double balance = 0;
        int period = 0;
        double newInterest = 0;
    };

    double Extra(int period) const { return period >= IncAfter ? ExtraPd : 0.0; }
    // The first payment of a loan in advance is made at once, with its extra amount.
    void PayFirstAtOnce(Run& run, double principalPaid) const;
    // Steps periods until the balance is paid off or the last period is reached.
    void RunOut(Run& run, Repayment repayment, double i, double payment) const;
    // Interest of the fixed-principal loan as scheduled, from balance `from` down.
    double ScheduledFixedPrincipalInterest(double from, double principal, double i) const;

    TCalcPmt pmtSolver_;
};

} // namespace quarvex::engine
