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
    if (!PaymentDrivesSchedule() || schedule_->Count() < 1 || IntOnlyPmts >= NumPmts) {
        return; // with every payment interest only, no row pays the engine's payment
    }
    const auto finalBalance = [this] {
        return schedule_->FinalBalance();
    };
    const auto runsFullTerm = [this] {
        return !truncated_ && schedule_->LastTransNo() >= NumPmts;
    };

    const double unoptimizedPmt = Pmt;
    const double unoptimizedBalance = std::fabs(finalBalance());
    double best = unoptimizedBalance;
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
    if (!(std::fabs(finalBalance()) < unoptimizedBalance) && Pmt != unoptimizedPmt) {
        // The search can settle on a payment that runs the full term yet leaves more to the
        // last row than the payment it started from (which may end a row or two early with a
        // small overpayment): the smaller last-row adjustment wins.
        Pmt = unoptimizedPmt;
        RebuildForTrial();
    }
    Results.FinalBalance = finalBalance();
}

} // namespace quarvex::amortization
