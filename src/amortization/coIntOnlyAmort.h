#pragma once

#include "amortization/coFlexAmort.h"

namespace quarvex::amortization {

// Interest-only payments; the last payment also repays the whole balance.
class coIntOnlyAmort : public coFlexAmort {
public:
    using coFlexAmort::coFlexAmort;

    void BuildFirstPeriod() override;
    void BuildPeriods() override;

    // Every row pays its interest (no US Rule, no unpaid interest) and its extra payment as
    // principal; the pass runs while the balance lasts, and the last row pays what is left.
    void Recalculate(const TAmortSchedule& source) override;

protected:
    void RecalcRow(TTransRec& P, TTransRec& R, RecalcState& state) override;
    bool PaymentDrivesSchedule() const override { return false; }

private:
    // The row pays off the balance it would carry: principal and payment rise by it.
    static void PayOff(const TTransRec& P, TTransRec& R);
};

} // namespace quarvex::amortization
