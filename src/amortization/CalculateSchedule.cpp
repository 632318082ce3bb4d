#include "amortization/CalculateSchedule.h"

#include "amortization/EAmort.h"
#include "amortization/EngineSetup.h"
#include "amortization/MakeFlexAmort.h"
#include "engine/FinanceErrors.h"
#include "engine/Rounding.h"
#include "engine/coLoan.h"

#include <cmath>
#include <limits>

namespace quarvex::amortization {
namespace {

constexpr double kSolvedAbove = 0.009; // a quantity at or below it counts as not given

struct Solve {
    std::uint8_t unknown = 0;
    int solveTerm = 0;
};

// The loan solver finds the quantity left at 0 (with "Force Payment Calculation", the payment).
// The payment amortizes over the payments after the initial interest-only ones when it is
// forced, at the rate the basis solves at.
Solve SolveLoan(AmortInputs& in) {
    const std::uint8_t frequency = static_cast<std::uint8_t>(in.PaymentPeriod + 1);
    const auto p = static_cast<std::uint16_t>(PeriodsPerYearOf(frequency));
    const auto c = static_cast<std::uint16_t>(CompoundingPerYearOf(in.Compounding, frequency));
    const std::uint8_t timing = in.OrgDate == in.FirstPmtDate ? 1 : 0;
    const auto method = static_cast<std::uint8_t>(in.AmortMthd);
    const InterestBasis basis = in.Settings.RateBasis;

    Solve solve;
    int n = SolveTermOf(in);
    const double r = static_cast<double>(SolvingRate(in.Rate, basis));
    if (in.ForcePmtCalc && in.PV > kSolvedAbove && n > kSolvedAbove && r > kSolvedAbove) {
        in.Pmt = 0;
    }
    if (n > std::numeric_limits<std::int16_t>::max()) {
        RaiseAmortError(kAmortBeyondLatestDate); // no such term ends before 2079
    }
    engine::coLoan loan;
    solve.unknown = loan.Init(in.PV, static_cast<std::int16_t>(n), static_cast<float>(r), in.Pmt, p,
                              c, timing, method);
    if (solve.unknown != engine::coLoan::kNone) {
        loan.Calculate();
    }
    // A solved amount is money like any other: the schedule lends it to the cent, so that
    // every interest amount and balance stays in whole cents.
    in.PV = solve.unknown == engine::coLoan::kPV ? engine::RoundTo(engine::RoundDecimals, loan.PV)
                                                 : loan.PV;
    if (solve.unknown == engine::coLoan::kNumPmts) {
        if (loan.NumPmts < 1) {
            engine::RaiseFinanceError(engine::kFinZeroTerm);
        }
        in.NumPmts = static_cast<std::uint16_t>(loan.NumPmts);
        n = loan.NumPmts;
    }
    if (solve.unknown == engine::coLoan::kRate) {
        // The solver found the rate the payment is solved at; the loan's own rate undoes the
        // basis correction, so that the schedule accrues at the rate it shows.
        const double rate = static_cast<double>(LoanRateOfSolvingRate(loan.Rate, basis));
        in.Rate = static_cast<float>(engine::RoundTo(4, rate));
    }
    in.Pmt = loan.Pmt;
    solve.solveTerm = n;
    return solve;
}

// Amortized points are financed, and a solved payment must carry them over the same term.
void SolveWithFinancedPoints(AmortInputs& in, double pointsAmt, int solveTerm) {
    const std::uint8_t frequency = static_cast<std::uint8_t>(in.PaymentPeriod + 1);
    engine::coLoan loan;
    loan.Init(in.PV + pointsAmt, static_cast<std::int16_t>(solveTerm),
              static_cast<float>(SolvingRate(in.Rate, in.Settings.RateBasis)), 0,
              static_cast<std::uint16_t>(PeriodsPerYearOf(frequency)),
              static_cast<std::uint16_t>(CompoundingPerYearOf(in.Compounding, frequency)),
              in.OrgDate == in.FirstPmtDate ? 1 : 0, static_cast<std::uint8_t>(in.AmortMthd));
    loan.Calculate();
    in.Pmt = loan.Pmt;
}

void TakeBalloon(const TAmortSchedule& schedule, bool balloonUsed, AmortResults& results) {
    results.BalloonPmt = 0;
    results.BalloonPrincipal = 0;
    results.BalloonInterest = 0;
    if (balloonUsed && schedule.Count() > 0) {
        const TTransRec& last = schedule.Records().back();
        results.BalloonPmt = last.Pmt;
        results.BalloonPrincipal = last.Principal;
        results.BalloonInterest = last.Interest;
    }
}

} // namespace

AmortResults CalculateSchedule(AmortInputs& inputs, TAmortSchedule& destination,
                               const AmortContext& context) {
    AmortInputs in = inputs; // written back only when everything succeeded
    NormaliseInputs(in);
    if (in.AmortMthd == AmortMethod::InterestOnly && in.Pmt > 0.001 && !in.ForcePmtCalc) {
        RaiseAmortError(kAmortMustSolvePayment);
    }
    std::unique_ptr<coFlexAmort> engine =
        MakeFlexAmort(in.AmortMthd, context.clock, context.messages);

    AmortResults results;
    const Solve solve = SolveLoan(in);
    results.Unknown = solve.unknown;
    results.PaymentSolved = solve.unknown == engine::coLoan::kPmt;
    // Points are a share of the amount as it finally stands (also when the amount was solved).
    results.PointsAmt = PointsAmountOf(in);
    if (in.Settings.PointsPaidMthd == PointsPaid::Amortized && results.PointsAmt > 0 &&
        results.PaymentSolved) {
        SolveWithFinancedPoints(in, results.PointsAmt, solve.solveTerm);
    }

    const EngineSetup setup = MakeEngineSetup(in, results.PointsAmt);
    engine->Init(setup.Terms);
    // Optimising a balloon or "Half Monthly" payment would fit it to the rows the engine
    // builds, which end early by design, and so undo the balloon or the acceleration.
    engine->OptimizePmts =
        in.OptimizePmts && results.PaymentSolved && !setup.BalloonUsed && !setup.HalfMonthly;
    engine->Calculate();

    TAmortSchedule rows;
    engine->MoveScheduleTo(rows);
    results.Engine = engine->Results;
    results.EnginePmt = engine->Pmt;
    results.EngineNumPmts = engine->NumPmts;
    results.EngineFrequency = engine->PYR;
    if (engine->Pmt != setup.Terms.Pmt) {
        // The engine changed its payment (optimised it, or solved it again on a balance that
        // carries amortized odd-days interest): the loan's payment is the one the rows pay,
        // so that what the calculator shows, stores and recalculates with is that payment.
        // Under "Half Monthly" the rows pay half the loan's payment.
        in.Pmt = setup.HalfMonthly ? engine::RoundTo(engine::RoundDecimals, 2 * engine->Pmt)
                                   : engine->Pmt;
    }
    TakeBalloon(rows, setup.BalloonUsed, results);

    if (!results.PaymentSolved) {
        // The user's payment stays through every recalculation.
        for (TTransRec& row : rows.Records()) {
            row.CalcPmt = false;
        }
    }
    if (in.Settings.AccelMthd == AccelMethod::PrepaidPrincipal) {
        const AmortResults recalculated = RecalculateSchedule(in, rows, context);
        results.Engine = recalculated.Engine;
        results.StoppedAtLatestDate = recalculated.StoppedAtLatestDate;
        TakeBalloon(rows, setup.BalloonUsed, results);
    }
    destination.Records() = std::move(rows.Records());
    inputs = in;
    return results;
}

AmortResults RecalculateSchedule(AmortInputs& inputs, TAmortSchedule& schedule,
                                 const AmortContext& context) {
    AmortInputs in = inputs;
    NormaliseInputs(in);
    std::unique_ptr<coFlexAmort> engine =
        MakeFlexAmort(in.AmortMthd, context.clock, context.messages);
    AmortResults results;
    results.PointsAmt = PointsAmountOf(in);
    const EngineSetup setup = MakeEngineSetup(in, results.PointsAmt);
    engine->Init(setup.Terms);
    engine->Recalculate(schedule);

    TAmortSchedule rows;
    engine->MoveScheduleTo(rows);
    results.Engine = engine->Results;
    results.EnginePmt = engine->Pmt;
    results.EngineNumPmts = engine->NumPmts;
    results.EngineFrequency = engine->PYR;
    results.StoppedAtLatestDate = engine->StoppedAtLatestDate();
    TakeBalloon(rows, setup.BalloonUsed, results);
    schedule.Records() = std::move(rows.Records());
    inputs = in;
    return results;
}

} // namespace quarvex::amortization
