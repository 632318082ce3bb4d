#include "amortization/coSimpleBaseAmort.h"

#include "amortization/EAmort.h"
#include "engine/FinanceErrors.h"

#include <cmath>
#include <limits>

namespace quarvex::amortization {
namespace {

// Without dates, the actual-day bases count nominal days like their ordinary twins.
InterestBasis NominalBasis(InterestBasis basis) {
    switch (basis) {
    case InterestBasis::Actual360:
        return InterestBasis::Ordinary360;
    case InterestBasis::Actual365:
        return InterestBasis::Ordinary365;
    default:
        return basis;
    }
}

constexpr std::int32_t kMostPayments = std::numeric_limits<std::uint16_t>::max();

} // namespace

void coSimpleBaseAmort::Init(const SimpleAmortTerms& t) {
    if (t.USRule && t.CmpPYR < t.PYR) {
        RaiseAmortError(kAmortUSRuleCompounding);
    }
    if (!IsFrequencyCode(t.PYR) || !IsCompoundingCode(t.CmpPYR) ||
        static_cast<int>(t.AmortMthd) > static_cast<int>(AmortMethod::RuleOf78s) ||
        static_cast<int>(t.RateBasis) > static_cast<int>(InterestBasis::Actual365) ||
        static_cast<int>(t.PointsPaidMthd) > static_cast<int>(PointsPaid::Amortized) ||
        static_cast<int>(t.AdjustLastMthd) > static_cast<int>(LastPeriodAdjust::ReduceInterest)) {
        RaiseAmortError(kAmortBadSetting);
    }
    if (t.NumPmts <= 0) {
        engine::RaiseFinanceError(engine::kFinZeroTerm);
    }
    if (t.NumPmts > kMostPayments || !(std::fabs(t.PV) <= kLargestAmount) ||
        !(std::fabs(t.Pmt) <= kLargestAmount) || !(std::fabs(t.PointsAmt) <= kLargestAmount) ||
        !std::isfinite(t.Rate)) {
        engine::RaiseFinanceError(engine::kFinOutOfRange);
    }
    PV = t.PV;
    Pmt = t.Pmt;
    Rate = t.Rate;
    NumPmts = t.NumPmts;
    PYR = t.PYR;
    CmpPYR = t.CmpPYR;
    PeriodsPerYear = PeriodsPerYearOf(PYR);
    CompoundingPerYear = CompoundingPerYearOf(CmpPYR, PYR);
    AmortMthd = t.AmortMthd;
    Timing = t.Timing;
    RateBasis = t.RateBasis;
    PointsPaidMthd = t.PointsPaidMthd;
    AdjustLastMthd = t.AdjustLastMthd;
    USRule = t.USRule;
    PointsAmt = t.PointsAmt;

    rule_ = {CmpPYR, PeriodsPerYear, CompoundingPerYear, BasisDaysPerYear(NominalBasis(RateBasis))};
    annualRate_ = RateOfSingle(Rate);
    periodicRate_ = PeriodicAccrualRate(annualRate_, rule_);
    dailyRate_ = DailyAccrualRate(annualRate_, rule_);
    LastPeriod = 0;
    LastYear = 0;
    TotalInterest = 0;
    FinalBalance = 0;
}

double coSimpleBaseAmort::PeriodInterest(double balance, std::int32_t period) {
    if (period == 1 && engine::IsAdvance(static_cast<std::uint8_t>(Timing))) {
        return 0; // paid on the loan date, before any interest runs
    }
    if (annualRate_ == 0) {
        return 0;
    }
    const bool byPeriods = rule_.DaysPerYear == 0;
    const int days = NominalDaysOf(PYR);
    switch (CmpPYR) {
    case kSimpleCode:
        if (byPeriods) {
            fv_.SimpleFV(balance, static_cast<double>(periodicRate_), 1);
        } else {
            fv_.SimpleFV(balance, static_cast<double>(dailyRate_), days);
        }
        break;
    case kContinuousCode:
        if (byPeriods) {
            fv_.CompoundFV(balance, static_cast<double>(periodicRate_), 1);
        } else {
            fv_.ContinuousFV(balance, static_cast<double>(annualRate_ / 100.0L), days,
                             rule_.DaysPerYear);
        }
        break;
    default:
        if (byPeriods) {
            fv_.CompoundFV(balance, static_cast<double>(periodicRate_), 1);
        } else {
            fv_.CompoundFVPeriods(balance, static_cast<double>(dailyRate_), days);
        }
        break;
    }
    return static_cast<double>(fv_.Interest) / 10000.0;
}

void coSimpleBaseAmort::BuildRows() {
    auto& rows = schedule_.Records();
    rows.clear();
    rows.reserve(static_cast<std::size_t>(NumPmts));
    double balance = PV;
    for (std::int32_t period = 1; period <= NumPmts; ++period) {
        TSimpleAmortRec row;
        row.Period = period;
        row.Year = static_cast<std::int16_t>(period / PeriodsPerYear);
        row.Opening = period == 1 ? PV : 0;
        row.AnnualRate = annualRate_;
        row.PeriodicRate = periodicRate_;
        row.DailyRate = dailyRate_;
        row.Interest = PeriodInterest(balance, period);
        PayPeriod(row, balance);
        row.Principal = row.Pmt - row.Interest;
        row.Balance = balance + row.Interest - row.Pmt;
        if (period == 1 && PointsAmt > 0 && AmortMthd == AmortMethod::Normal &&
            PointsPaidMthd != PointsPaid::WithFirst) {
            // Financed points: the balance owes them; the row's principal is what it repaid.
            row.Balance += PointsAmt;
            row.Principal -= PointsAmt;
        }
        const TSimpleAmortRec* prev = rows.empty() ? nullptr : &rows.back();
        row.RunningPmt = (prev ? prev->RunningPmt : 0) + row.Pmt;
        row.RunningPrincipal = (prev ? prev->RunningPrincipal : 0) + row.Principal;
        row.RunningInterest = (prev ? prev->RunningInterest : 0) + row.Interest;
        balance = row.Balance;
        rows.push_back(row);
        if (IsPaidOff(balance)) {
            break;
        }
    }
}

void coSimpleBaseAmort::Calculate() {
    BuildPeriods();
    FinalBalance = schedule_.LastBalance();
    FinishSchedule();
}

void coSimpleBaseAmort::FinishSchedule() {
    auto& rows = schedule_.Records();
    if (rows.empty()) {
        return;
    }
    TSimpleAmortRec& last = rows.back();
    const double balance = last.Balance;
    if (AdjustLastMthd != LastPeriodAdjust::NoAdjustment && IsCentOrMore(balance)) {
        if (balance > 0 && AdjustLastMthd == LastPeriodAdjust::ReduceInterest &&
            last.Interest >= balance) {
            last.Interest -= balance;
            last.RunningInterest -= balance;
        } else {
            // Where the interest is too small to take it, the payment does, as in the dated
            // schedules: interest never turns negative.
            last.Pmt += balance;
            last.RunningPmt += balance;
        }
        last.Principal += balance;
        last.RunningPrincipal += balance;
        last.Balance = 0;
    }
    LastPeriod = last.Period;
    LastYear = last.Year;
    TotalInterest = last.RunningInterest;
}

const TSimpleAmortRec* coSimpleBaseAmort::RowOf(int n) const {
    if (n < 1 || n > NumPmts) {
        RaiseAmortError(kAmortBadBalancePeriod);
    }
    const auto& rows = schedule_.Records();
    return n <= static_cast<int>(rows.size()) ? &rows[static_cast<std::size_t>(n - 1)] : nullptr;
}

double coSimpleBaseAmort::BalanceAfter(int n) const {
    const TSimpleAmortRec* row = RowOf(n);
    return row ? row->Balance : 0.0;
}

double coSimpleBaseAmort::InterestOf(int n) const {
    const TSimpleAmortRec* row = RowOf(n);
    return row ? row->Interest : 0.0;
}

double coSimpleBaseAmort::RunningInterestOf(int n) const {
    const TSimpleAmortRec* row = RowOf(n);
    if (row != nullptr) {
        return row->RunningInterest;
    }
    const auto& rows = schedule_.Records();
    return rows.empty() ? 0.0 : rows.back().RunningInterest;
}

} // namespace quarvex::amortization
