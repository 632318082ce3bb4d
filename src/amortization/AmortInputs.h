#pragma once

#include "amortization/AmortCodes.h"
#include "amortization/AmortSettings.h"
#include "framework/dates/Calendar.h"
#include "platform/Clock.h"
#include "platform/Messages.h"

#include <cstdint>

namespace quarvex::amortization {

// The inputs of an amortization calculation, as the calculator holds them. Amount, number of
// payments, rate and payment: the one left at 0 is solved (or the payment, with ForcePmtCalc).
struct AmortInputs {
    double PV = 0;
    std::uint16_t NumPmts = 0;
    float Rate = 0; // annual, percent
    double Pmt = 0;
    dates::DayNumber OrgDate = 0;
    dates::DayNumber FirstPmtDate = 0;
    std::uint8_t PaymentPeriod = 5; // index 0-9 of the payment-period list (frequency code - 1)
    std::uint8_t Compounding = 6;   // compounding code 0-11
    float Points = 0;               // percent of the amount
    AmortMethod AmortMthd = AmortMethod::Normal;
    AmortSettings Settings;
    std::int32_t IntOnlyPmts = 0;    // initial interest-only payments
    std::uint16_t BalloonPeriod = 0; // the payment that takes the balance; 0 for none
    bool ForcePmtCalc = true;        // "Force Payment Calculation"
    bool RecalcPmtAfterZero = true;  // "Recalc Pmt After 0 Pmt"
    bool OptimizePmts = true;        // "Optimize Payments"
};

// What a calculation needs from its surroundings: today's date for new rows, and where the
// engine's own information boxes go (none are shown when it is null).
struct AmortContext {
    const Clock& clock;
    Messages* messages = nullptr;
};

} // namespace quarvex::amortization
