#include "amortization/EngineSetup.h"

#include "amortization/EAmort.h"
#include "engine/FinanceErrors.h"
#include "engine/Rounding.h"

#include <cmath>
#include <limits>

namespace quarvex::amortization {

void NormaliseInputs(AmortInputs& inputs) {
    if (static_cast<int>(inputs.AmortMthd) > static_cast<int>(AmortMethod::RuleOf78s)) {
        throw engine::EInvalidAmort();
    }
    if (inputs.PaymentPeriod >= kAnnualCode) {
        RaiseAmortError(kAmortBadSetting);
    }
    if (!IsCompoundingCode(inputs.Compounding)) {
        engine::RaiseFinanceError(engine::kFinBadCompounding);
    }
    if (inputs.AmortMthd == AmortMethod::Canadian) {
        inputs.PaymentPeriod = kMonthlyCode - 1;
        inputs.Compounding = kSemiannualCode;
    }
    if (inputs.AmortMthd == AmortMethod::NoInterest) {
        inputs.Rate = 0;
    }
}

int SolveTermOf(const AmortInputs& inputs) {
    if (inputs.ForcePmtCalc && inputs.IntOnlyPmts > 0 && inputs.NumPmts > inputs.IntOnlyPmts) {
        return inputs.NumPmts - inputs.IntOnlyPmts;
    }
    return inputs.NumPmts;
}

namespace {

// The year a basis charges over the solver's year of 360 days: days per year of the basis
// over the days its rows count in one.
struct YearRatio {
    long double numerator = 1;
    long double denominator = 1;
};

YearRatio SolvingRatio(InterestBasis basis) {
    switch (basis) {
    case InterestBasis::Ordinary365:
        return {360.0L, 365.0L};
    case InterestBasis::Actual360:
        return {365.0L, 360.0L};
    default:
        return {};
    }
}

} // namespace

long double SolvingRate(long double rate, InterestBasis basis) {
    const YearRatio ratio = SolvingRatio(basis);
    if (ratio.numerator == ratio.denominator || std::fabs(rate) <= 0.01L) {
        return rate;
    }
    return rate / ratio.denominator * ratio.numerator;
}

long double LoanRateOfSolvingRate(long double solvingRate, InterestBasis basis) {
    const YearRatio ratio = SolvingRatio(basis);
    if (ratio.numerator == ratio.denominator) {
        return solvingRate;
    }
    return solvingRate * ratio.denominator / ratio.numerator;
}

double PointsAmountOf(const AmortInputs& inputs) {
    if (!(inputs.Points > 0)) {
        return 0;
    }
    return engine::RoundTo(engine::RoundDecimals, 0.01 * inputs.Points * inputs.PV);
}

EngineSetup MakeEngineSetup(const AmortInputs& inputs, double pointsAmt) {
    EngineSetup setup;
    FlexAmortTerms& t = setup.Terms;
    const std::uint8_t frequency = static_cast<std::uint8_t>(inputs.PaymentPeriod + 1);
    t.NumPmts = inputs.NumPmts;
    t.OrgDate = inputs.OrgDate;
    t.PV = inputs.PV;
    t.Pmt = inputs.Pmt;
    t.Rate = inputs.Rate;
    t.FirstPmtDate = inputs.FirstPmtDate;
    t.PYR = frequency;
    t.CmpPYR = inputs.Compounding;
    t.AmortMthd = inputs.AmortMthd;
    t.Settings = inputs.Settings;
    t.PointsAmt = pointsAmt;
    t.IntOnlyPmts = inputs.IntOnlyPmts > 0 ? inputs.IntOnlyPmts : 0;
    t.RecalcPmtAfterZero = inputs.RecalcPmtAfterZero;
    t.Basis.TermPmts = inputs.NumPmts;
    t.Basis.SolveTermPmts = SolveTermOf(inputs);
    t.Basis.FrequencyCode = frequency;

    if (inputs.Settings.AccelMthd == AccelMethod::HalfMonthly) {
        if (frequency != kMonthlyCode) {
            RaiseAmortError(kAmortHalfMonthlyNeedsMonthly);
        }
        const int payments = 2 * static_cast<int>(inputs.NumPmts);
        if (payments > std::numeric_limits<std::uint16_t>::max()) {
            RaiseAmortError(kAmortBeyondLatestDate);
        }
        setup.HalfMonthly = true;
        t.Pmt = engine::RoundTo(engine::RoundDecimals, inputs.Pmt * 0.5);
        t.PYR = kBiWeeklyCode;
        t.NumPmts = static_cast<std::uint16_t>(payments);
        t.Basis.Scale = 0.5;
    } else if (inputs.BalloonPeriod > 0) {
        setup.BalloonUsed = true;
        t.NumPmts = inputs.BalloonPeriod;
        t.Settings.AdjustLastMthd = LastPeriodAdjust::IncreasePayment;
    }
    return setup;
}

} // namespace quarvex::amortization
