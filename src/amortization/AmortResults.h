#pragma once

#include "amortization/FlexAmortTerms.h"

#include <cstdint>

namespace quarvex::amortization {

// The results of a calculation or recalculation besides the schedule's rows.
struct AmortResults {
    std::uint8_t Unknown = 0;        // the quantity solved: 1 amount, 2 payments, 3 rate, 4 payment
    bool PaymentSolved = false;      // the payment was solved (the rows may re-solve it)
    double PointsAmt = 0;            // points in currency: Points % of the amount, to the cent
    double EnginePmt = 0;            // the regular payment of the rows (halved under "Half
                                     // Monthly", optimised with "Optimize Payments")
    std::uint16_t EngineNumPmts = 0; // rows the engine may build (balloon row, 2 x under
                                     // "Half Monthly")
    std::uint8_t EngineFrequency = 0; // payment frequency code of the rows
    FlexAmortResults Engine;          // first period, odd days, totals, last payment...
    double BalloonPmt = 0;            // with a balloon period: the last row's payment,
    double BalloonPrincipal = 0;      // principal
    double BalloonInterest = 0;       // and interest; 0 without one
    bool StoppedAtLatestDate = false; // a recalculation ended at 1 January 2079
};

} // namespace quarvex::amortization
