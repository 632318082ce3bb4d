#include "amortization/calculator/TcbAmort.h"

#include "amortization/AmortCodes.h"
#include "amortization/CalculateSchedule.h"
#include "amortization/EAmort.h"
#include "amortization/RunningTotals.h"
#include "amortization/calculator/AmortCalcErrors.h"
#include "amortization/calculator/LoanSettingSpecs.h"
#include "engine/FinanceErrors.h"
#include "engine/coLoan.h"
#include "platform/Clock.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quarvex::amortization {

using framework::Choice;
using framework::Date;
using framework::EBadArgument;

namespace {

constexpr int kLargestCount = std::numeric_limits<std::uint16_t>::max();

std::uint8_t IndexOf(const framework::DataRecord& data, std::size_t field) {
    const int index = data.Get<Choice>(field).index;
    return static_cast<std::uint8_t>(std::clamp(index, 0, 255));
}

void Require(bool valid, const std::string& message) {
    if (!valid) {
        throw EBadArgument(message);
    }
}

} // namespace

dates::DayNumber ProposedFirstPaymentDate(dates::DayNumber today) {
    const dates::CalendarDate d = dates::DayNumberToDMY(today);
    if (d.year == 0) {
        return dates::kNoDate;
    }
    const int months = d.day == 1 ? 1 : 2;
    const int index = d.year * 12 + (d.month - 1) + months;
    return dates::DMYToDayNumber(1, index % 12 + 1, index / 12);
}

std::size_t TabAfterYearEndingChange(std::size_t tab, std::size_t yearTabCount) {
    return tab <= yearTabCount ? tab : yearTabCount;
}

TcbAmort::TcbAmort(framework::BufferContext& context) : CalcBuffer(Definition(), context) {}

void TcbAmort::InitData() {
    CalcBuffer::InitData();
    Data().Set(FirstPmtDate, Date{ProposedFirstPaymentDate(Context().clock.Today())});
    state_ = AmortCalcState{};
    ClearResults();
}

void TcbAmort::SetState(const AmortCalcState& state) {
    for (const LoanSettingSpec& setting : LoanSettingSpecs()) {
        const int code = setting.get(state.Settings);
        Require(setting.IsCode(code), std::string(setting.name) + " takes " +
                                          std::to_string(setting.firstCode) + " to " +
                                          std::to_string(setting.LastCode()));
    }
    Require(state.IntOnlyPmts >= 0 && state.IntOnlyPmts <= kLargestCount,
            "IntOnlyPmts takes 0 to " + std::to_string(kLargestCount));
    Require(std::isfinite(state.OneTimeFees) && state.OneTimeFees >= 0 &&
                state.OneTimeFees < kLargestAmount,
            "OneTimeFees takes an amount of 0 or more");
    Require(state.YearEnding >= 1 && state.YearEnding <= 12, "YearEnding takes 1 to 12");
    state_ = state;
}

void TcbAmort::SetYearEnding(int month) {
    Require(month >= 1 && month <= 12, "YearEnding takes 1 to 12");
    state_.YearEnding = month;
}

AmortInputs TcbAmort::Inputs() const {
    const framework::DataRecord& data = Data();
    AmortInputs in;
    in.PV = data.Get<double>(PV);
    in.NumPmts =
        static_cast<std::uint16_t>(std::clamp(data.Get<std::int32_t>(NumPmts), 0, kLargestCount));
    in.Rate = data.Get<float>(Rate);
    in.Pmt = data.Get<double>(Pmt);
    in.OrgDate = data.Get<Date>(OrgDate).day;
    in.FirstPmtDate = data.Get<Date>(FirstPmtDate).day;
    in.PaymentPeriod = IndexOf(data, PYR);
    in.Compounding = IndexOf(data, CmpPYR);
    in.Points = data.Get<float>(Points);
    in.AmortMthd = static_cast<AmortMethod>(IndexOf(data, AmortMthd));
    in.Settings = state_.Settings;
    in.IntOnlyPmts = state_.IntOnlyPmts;
    in.BalloonPeriod = state_.BalloonPeriod;
    in.ForcePmtCalc = state_.ForcePmtCalc;
    in.RecalcPmtAfterZero = state_.RecalcPmtAfterZero;
    in.OptimizePmts = state_.OptimizePmts;
    return in;
}

namespace {

// What the record holds beyond what a loan can have: a negative or impossibly long term, an
// amount, rate or payment that is not a number, a date outside the calendar.
void CheckRecord(const framework::DataRecord& data) {
    const std::int32_t count = data.Get<std::int32_t>(TcbAmort::NumPmts);
    if (count < 0) {
        engine::RaiseFinanceError(engine::kFinOutOfRange);
    }
    if (count > kLargestCount) {
        RaiseAmortError(kAmortBeyondLatestDate); // no such term ends before 2079
    }
    for (const std::size_t field : {TcbAmort::PV, TcbAmort::Pmt}) {
        const double value = data.Get<double>(field);
        if (!std::isfinite(value) || std::fabs(value) >= kLargestAmount) {
            engine::RaiseFinanceError(engine::kFinOutOfRange);
        }
    }
    for (const std::size_t field : {TcbAmort::Rate, TcbAmort::Points}) {
        if (!std::isfinite(data.Get<float>(field))) {
            engine::RaiseFinanceError(engine::kFinOutOfRange);
        }
    }
    for (const std::size_t field : {TcbAmort::OrgDate, TcbAmort::FirstPmtDate}) {
        if (!dates::IsValidDayNumber(data.Get<Date>(field).day)) {
            RaiseAmortError(kAmortBadSetting);
        }
    }
    if (data.Get<double>(TcbAmort::PV) < 0) {
        throw ENegativeLoanInput("Amount of Loan can't be negative.");
    }
    if (data.Get<float>(TcbAmort::Rate) < 0) {
        throw ENegativeLoanInput("Annual Rate can't be negative.");
    }
    if (data.Get<float>(TcbAmort::Points) < 0) {
        throw ENegativeLoanInput("Points can't be negative.");
    }
}

} // namespace

void TcbAmort::TakeInputs(const AmortInputs& in) {
    framework::DataRecord& data = Data();
    data.Set(PV, in.PV);
    data.Set(NumPmts, static_cast<std::int32_t>(in.NumPmts));
    data.Set(Rate, in.Rate);
    data.Set(Pmt, in.Pmt);
    data.Set(PYR, Choice{in.PaymentPeriod});
    data.Set(CmpPYR, Choice{in.Compounding});
}

void TcbAmort::TakeResults(const AmortResults& results, const AmortInputs& in) {
    results_ = results;
    calculated_ = true;
    apr_ = 0;
    aprFlows_.clear();
    TakeInputs(in);
}

void TcbAmort::Calculate() {
    CheckRecord(Data());
    AmortInputs in = Inputs();
    TAmortSchedule rows;
    const AmortContext context{Context().clock, &Context().messages};
    const AmortResults results = CalculateSchedule(in, rows, context);
    schedule_.Records() = std::move(rows.Records());
    TakeResults(results, in);
    if (results.Unknown != engine::coLoan::kNone) {
        unknown_ = results.Unknown;
    }
}

void TcbAmort::RequireResults() const {
    if (!calculated_ || schedule_.Count() == 0) {
        throw ENotCalculated();
    }
}

void TcbAmort::Recalc() {
    RequireResults();
    CheckRecord(Data());
    AmortInputs in = Inputs();
    const AmortContext context{Context().clock, &Context().messages};
    AmortResults results = RecalculateSchedule(in, schedule_, context);
    // A recalculation solves nothing: what the last calculation solved stays the loan's.
    results.Unknown = results_.Unknown;
    results.PaymentSolved = results_.PaymentSolved;
    TakeResults(results, in);
}

void TcbAmort::ClearResults() {
    schedule_.Records().clear();
    results_ = AmortResults{};
    calculated_ = false;
    apr_ = 0;
    aprFlows_.clear();
}

int TcbAmort::SolvedField() const {
    switch (unknown_) {
    case engine::coLoan::kPV:
        return PV;
    case engine::coLoan::kNumPmts:
        return NumPmts;
    case engine::coLoan::kRate:
        return Rate;
    default:
        return Pmt;
    }
}

std::vector<YearTab> TcbAmort::Tabs() const {
    const auto& rows = schedule_.Records();
    if (!calculated_ || rows.empty()) {
        return {};
    }
    return YearTabs(rows.front().TransDate, rows.back().TransDate, state_.YearEnding);
}

TcbAmort::TabView TcbAmort::ViewOfTab(std::size_t tab) const {
    const auto& rows = schedule_.Records();
    TabView view;
    if (rows.empty()) {
        return view;
    }
    const std::vector<YearTab> tabs = Tabs();
    if (tab == 0 || tab > tabs.size()) {
        const TTransRec& last = rows.back();
        view.EndRow = rows.size();
        view.YearPmt = view.RunningPmt = last.RunningPmt;
        view.YearPrincipal = view.RunningPrincipal = last.RunningPrincipal;
        view.YearInterest = view.RunningInt = last.RunningInt;
        return view;
    }
    const YearTab& year = tabs[tab - 1];
    const YearTotalsResult totals = SumFiscalYear(rows, year.StartMonth, year.StartYear);
    view.FirstRow = static_cast<std::size_t>(std::max(totals.YearFirstTransNo, 0));
    view.EndRow = static_cast<std::size_t>(std::max(totals.YearLastTransNo + 1, 0));
    view.EndRow = std::clamp(view.EndRow, view.FirstRow, rows.size());
    view.YearPmt = totals.YearPmt;
    view.YearPrincipal = totals.YearPrincipal;
    view.YearInterest = totals.YearInterest;
    if (totals.YearLastTransNo >= 0 &&
        static_cast<std::size_t>(totals.YearLastTransNo) < rows.size()) {
        // The running totals as they stand at the end of the year (before it, for a year
        // without rows).
        const TTransRec& last = rows[static_cast<std::size_t>(totals.YearLastTransNo)];
        view.RunningPmt = last.RunningPmt;
        view.RunningPrincipal = last.RunningPrincipal;
        view.RunningInt = last.RunningInt;
    }
    return view;
}

AmortLoanTerms TcbAmort::LoanTerms() const {
    AmortLoanTerms terms;
    terms.Inputs = Inputs();
    terms.OneTimeFees = state_.OneTimeFees;
    const FlexAmortResults& engine = results_.Engine;
    terms.PointsAmt = results_.PointsAmt;
    terms.TotalPmts = engine.TotalPmts;
    terms.OddDaysInterest = engine.OddDaysInterest;
    terms.OddDays = engine.OddDays;
    terms.DaysToFirstPmt = terms.Inputs.FirstPmtDate - terms.Inputs.OrgDate;
    terms.WholePeriods = engine.WholePeriods;
    terms.OddFraction = engine.OddFraction;
    terms.DaysToLastPmt = engine.DaysToLastPmt;
    terms.PaymentsPerYear = PeriodsPerYearOf(terms.Inputs.PaymentPeriod + 1);
    return terms;
}

void TcbAmort::LoadSavedLoan(const AmortLoanTerms& terms, TAmortSchedule rows) {
    const AmortInputs& in = terms.Inputs;
    // Everything is checked before anything changes.
    Require(std::isfinite(in.PV) && std::isfinite(in.Pmt) && std::isfinite(in.Rate) &&
                std::isfinite(in.Points),
            "The saved loan holds an amount or rate that is not a number.");
    Require(dates::IsValidDayNumber(in.OrgDate) && dates::IsValidDayNumber(in.FirstPmtDate),
            "The saved loan holds a date outside the calendar.");
    Require(in.PaymentPeriod < engine::kPaymentFrequencyNames.size() &&
                in.Compounding < engine::kCompoundingNames.size() &&
                static_cast<std::size_t>(in.AmortMthd) < engine::kAmortMethodNames.size(),
            "The saved loan holds an unknown payment period, compounding or method.");
    Require(in.BalloonPeriod <= kLargestCount, "The saved loan's balloon period is too large.");
    Require(rows.Count() > 0, "The saved loan has no schedule rows.");
    for (const TTransRec& row : rows.Records()) {
        Require(dates::IsValidDayNumber(row.TransDate) && std::isfinite(row.Pmt) &&
                    std::isfinite(row.ExtraPmt) && std::isfinite(row.PrinBal) &&
                    std::isfinite(static_cast<double>(row.Rate)) &&
                    std::isfinite(static_cast<double>(row.AccrualRt)),
                "The saved loan holds a schedule row that cannot be used.");
    }
    AmortCalcState state = state_;
    state.Settings = in.Settings;
    state.IntOnlyPmts = in.IntOnlyPmts;
    state.BalloonPeriod = in.BalloonPeriod;
    state.OneTimeFees = terms.OneTimeFees;
    state.ForcePmtCalc = in.ForcePmtCalc;
    state.RecalcPmtAfterZero = in.RecalcPmtAfterZero;
    state.OptimizePmts = in.OptimizePmts;
    const AmortCalcState previousState = state_;
    SetState(state); // validates the codes; raises before anything changed

    framework::DataRecord& data = Data();
    const framework::DataRecord previousData = data;
    TAmortSchedule previousRows;
    previousRows.Records() = schedule_.Records();
    const AmortResults previousResults = results_;
    const bool previousCalculated = calculated_;
    try {
        TakeInputs(in);
        data.Set(Points, in.Points);
        data.Set(OrgDate, Date{in.OrgDate});
        data.Set(FirstPmtDate, Date{in.FirstPmtDate});
        data.Set(AmortMthd, Choice{static_cast<std::int32_t>(in.AmortMthd)});
        schedule_.Records() = std::move(rows.Records());
        // The database keeps no running totals. The recalculation works them out again for
        // the methods it recalculates, but a Rule-of-78s schedule is taken as it stands: every
        // method gets them from the rows' own amounts first.
        RebuildRunningTotals(schedule_.Records());
        results_ = AmortResults{};
        results_.PointsAmt = terms.PointsAmt;
        calculated_ = true;
        Recalc();
    } catch (...) {
        state_ = previousState;
        data = previousData;
        schedule_.Records() = std::move(previousRows.Records());
        results_ = previousResults;
        calculated_ = previousCalculated;
        throw;
    }
}

} // namespace quarvex::amortization
