#include "amortization/coFlexAmort.h"
#include "engine/Rounding.h"

#include <array>
#include <cmath>

// Payment optimisation: the payment, to the cent, whose schedule runs the full term with the
// final balance nearest 0, so that the last-period adjustment becomes small.
namespace quarvex::amortization {

void coFlexAmort::OptimizePayment() {
    // Rows that pay interest only, or a fixed principal plus interest, do not pay the engine's
    // payment: trying other payments could change nothing.
    if (!PaymentDrivesSchedule() || schedule_->Count() < 1) {
        return;
    }
    const auto finalBalance = [this] {
        return schedule_->FinalBalance();
    };
    const auto runsFullTerm = [this] {
        return !truncated_ && schedule_->LastTransNo() >= NumPmts;
    };

    double best = std::fabs(finalBalance());
    // A schedule that ends before its term may settle on a payment that runs the full term.
    bool endsEarly = !runsFullTerm();
    for (const double step : std::array<double, 5>{100, 10, 1, 0.10, 0.01}) {
        const double direction = finalBalance() > 0 ? 1.0 : -1.0;
        double remembered = Pmt;
        bool overshot = false;
        // Each step size tries at most kMaxOptimizeTrialsPerStep payments (so at most 100
        // trial schedules and 5 rebuilds in all); a step that reaches the cap keeps its last
        // payment and leaves the rest to the finer steps.
        for (int trial = 0; trial < kMaxOptimizeTrialsPerStep; ++trial) {
            remembered = Pmt;
            Pmt = engine::RoundTo(engine::RoundDecimals, Pmt + direction * step);
            RebuildForTrial();
            const double size = std::fabs(finalBalance());
            if (runsFullTerm() && size < best) {
                best = size;
            }
            if (size > best || !runsFullTerm()) {
                overshot = true;
                break;
            }
        }
        if (overshot && (!endsEarly || truncated_)) {
            Pmt = remembered;
        }
        endsEarly = false;
        RebuildForTrial();
        best = std::fabs(finalBalance());
    }
    Results.FinalBalance = finalBalance();
}

} // namespace quarvex::amortization
