#include "amortization/EAmort.h"
#include "amortization/EngineSetup.h"
#include "amortization/Money.h"
#include "amortization/coFlexAmort.h"
#include "engine/FinanceErrors.h"
#include "engine/Rounding.h"
#include "engine/coLoan.h"
#include "framework/dates/MonthHelpers.h"
#include "framework/dates/PaymentPeriods.h"

#include <cmath>
#include <limits>

// Setting up the flexible engine: its inputs, new rows, the schedule it works on and the
// payment solves it makes itself.
namespace quarvex::amortization {

coFlexAmort::coFlexAmort(const Clock& clock, Messages* messages)
    : messages_(messages), clock_(clock) {}

void coFlexAmort::Init(const FlexAmortTerms& t) {
    if (t.FirstPmtDate < t.OrgDate) {
        RaiseAmortError(kAmortFirstBeforeOrigination);
    }
    if (t.Settings.USRule && t.CmpPYR < t.PYR) {
        RaiseAmortError(kAmortUSRuleCompounding);
    }
    ValidateSettings(t.Settings);
    if (!IsFrequencyCode(t.PYR) || !IsCompoundingCode(t.CmpPYR) ||
        static_cast<int>(t.AmortMthd) > static_cast<int>(AmortMethod::RuleOf78s) ||
        !dates::IsValidDayNumber(t.OrgDate) || !dates::IsValidDayNumber(t.FirstPmtDate)) {
        RaiseAmortError(kAmortBadSetting);
    }
    if (t.NumPmts == 0) {
        engine::RaiseFinanceError(engine::kFinZeroTerm);
    }
    if (!(std::fabs(t.PV) <= kLargestAmount) || !(std::fabs(t.Pmt) <= kLargestAmount) ||
        !(std::fabs(t.PointsAmt) <= kLargestAmount) || !std::isfinite(t.Rate) ||
        !std::isfinite(t.Basis.Scale)) {
        engine::RaiseFinanceError(engine::kFinOutOfRange);
    }
    if (t.FirstPmtDate > schedule_->LatestDate()) {
        RaiseAmortError(kAmortBeyondLatestDate);
    }
    // The amount lent and the payment are money: whole cents, as every row is.
    PV = Cents(t.PV);
    Pmt = Cents(t.Pmt);
    Rate = t.Rate;
    NumPmts = t.NumPmts;
    OrgDate = t.OrgDate;
    FirstPmtDate = t.FirstPmtDate;
    PYR = t.PYR;
    CmpPYR = t.CmpPYR;
    AmortMthd = t.AmortMthd;
    InAdvance = t.OrgDate == t.FirstPmtDate;
    Settings = t.Settings;
    PointsAmt = t.PointsAmt;
    IntOnlyPmts = t.IntOnlyPmts;
    RecalcPmtAfterZero = t.RecalcPmtAfterZero;
    basis_ = t.Basis;
    keepMonthEnds_ = Settings.LastDayMonthMthd == LastDayOfMonth::Adjust &&
                     dates::IsLastDayOfMonth(FirstPmtDate);
    firstPmtDay_ = dates::DayNumberToDMY(FirstPmtDate);
    stepMonths_ = dates::MonthsPerPeriod(PYR);
    stepDays_ = PYR == dates::kDaily || PYR == dates::kWeekly || PYR == dates::kBiWeekly ||
                        PYR == dates::kEvery4Weeks
                    ? dates::DaysPerPeriod(PYR)
                    : 0;
    Results = {};
}

TTransRec coFlexAmort::MakeRow() const {
    return InitRow({clock_.Today(), Pmt, RateOfSingle(Rate), PYR, CmpPYR});
}

void coFlexAmort::CopyScheduleTo(TAmortSchedule* destination) const {
    schedule_->CopyTo(destination);
}

void coFlexAmort::MoveScheduleTo(TAmortSchedule& destination) {
    if (&destination != schedule_) {
        destination.Records() = std::move(schedule_->Records());
        schedule_->Records().clear();
    }
}

void coFlexAmort::AdoptSchedule(TAmortSchedule* schedule) {
    schedule_ = schedule != nullptr ? schedule : &own_;
    anchor_ = {};
}

int coFlexAmort::TermPmts() const {
    return basis_.TermPmts > 0 ? basis_.TermPmts : NumPmts;
}

int coFlexAmort::SolveTermPmts() const {
    return basis_.SolveTermPmts > 0 ? basis_.SolveTermPmts : TermPmts();
}

double coFlexAmort::SolvePayment(long double annualRate, double amount, int payments,
                                 int frequencyCode, bool inAdvance) const {
    if (payments <= 0 || std::fabs(amount) < 0.01) {
        return 0;
    }
    if (payments > std::numeric_limits<std::int16_t>::max()) {
        RaiseAmortError(kAmortBeyondLatestDate); // no such term ends before 2079
    }
    const long double rate = SolvingRate(annualRate, Settings.RateBasis);
    if (std::fabs(rate) < 0.01L) {
        // The loan solver would take a zero rate for the unknown; without interest the level
        // payment is the amount spread evenly.
        return engine::RoundTo(engine::RoundDecimals, amount / payments);
    }
    engine::coLoan loan;
    loan.Init(amount, static_cast<std::int16_t>(payments), static_cast<float>(rate), 0,
              static_cast<std::uint16_t>(PeriodsPerYearOf(frequencyCode)),
              static_cast<std::uint16_t>(CompoundingPerYearOf(CmpPYR, frequencyCode)),
              inAdvance ? 1 : 0, static_cast<std::uint8_t>(AmortMthd));
    loan.Calculate();
    return loan.Pmt;
}

} // namespace quarvex::amortization
