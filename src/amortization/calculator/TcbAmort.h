#pragma once

#include "amortization/AmortInputs.h"
#include "amortization/AmortResults.h"
#include "amortization/FiscalYears.h"
#include "amortization/TAmortSchedule.h"
#include "amortization/calculator/AprDetail.h"
#include "amortization/calculator/AprDisclosure.h"
#include "amortization/calculator/AprFlows.h"
#include "amortization/calculator/AprPaymentGroups.h"
#include "amortization/calculator/DisclosureInfo.h"
#include "amortization/calculator/ScheduleReport.h"
#include "engine/cashflow/CashFlowLists.h"
#include "framework/buffer/CalcBuffer.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace quarvex::amortization {

// What the amortization calculator keeps beside its data record: the twelve loan settings,
// the balloon period, the initial interest-only payments, the one-time fees, the month the
// fiscal year ends with and the three switches. The initial values are the publisher's.
struct AmortCalcState {
    AmortSettings Settings;
    std::uint16_t BalloonPeriod = 0; // 0: none
    std::int32_t IntOnlyPmts = 0;    // initial interest-only payments
    double OneTimeFees = 0;          // for the APR
    int YearEnding = 12;             // 1 January ... 12 December
    bool ForcePmtCalc = true;        // "Force Payment Calculation"
    bool RecalcPmtAfterZero = true;  // "Recalc Pmt After 0 Pmt"
    bool OptimizePmts = true;        // "Optimize Payments"

    friend bool operator==(const AmortCalcState&, const AmortCalcState&) = default;
};

// A loan as the schedule database keeps it: every input and setting of the calculator and the
// figures of its first period and its end. LoanTerms() gives it after a calculation (the
// results are those of the last Calc or Recalc); LoadSavedLoan takes it back with the rows.
struct AmortLoanTerms {
    AmortInputs Inputs; // amount, payments, rate, payment, dates, frequency, compounding,
                        // points, method, settings, interest-only payments, balloon, switches
    double OneTimeFees = 0;
    double PointsAmt = 0;       // points in currency
    double TotalPmts = 0;       // total of payments
    double OddDaysInterest = 0; //
    std::int32_t OddDays = 0;   // odd days of the first period
    std::int32_t DaysToFirstPmt = 0;
    std::int32_t WholePeriods = 0; // whole periods to the first payment
    double OddFraction = 0;        // fractional period
    std::int32_t DaysToLastPmt = 0;
    std::int32_t PaymentsPerYear = 0;

    // The payment timing the database stores: 1 when the first payment falls on the
    // origination date (in advance), else 0.
    std::uint8_t PaymentTiming() const { return Inputs.OrgDate == Inputs.FirstPmtDate ? 1 : 0; }
};

// The buffer of the "Amortization Schedule" calculator: a loan of which one of amount, number
// of payments, rate and payment is left at 0 (the payment always, with "Force Payment
// Calculation") is solved and scheduled row by row; the rows can be edited and recalculated,
// grouped into fiscal years, copied and printed, and the loan's APR and disclosure figures
// derived from them.
class TcbAmort : public framework::CalcBuffer {
public:
    // The data record, in transfer order.
    enum Field : std::size_t {
        PV,
        NumPmts,
        Rate,
        Pmt,
        OrgDate,
        FirstPmtDate,
        PYR,
        CmpPYR,
        Points,
        AmortMthd
    };
    // The local defaults of the options page, in its order.
    enum LocalDefault : std::size_t {
        DefaultRate,
        DefaultPYR,
        DefaultCmpPYR,
        DefaultRateBasis,
        DefaultAccelMthd,
        DefaultPointsPaidMthd,
        DefaultLongInterestPmtMthd,
        DefaultLongInterestCalcMthd,
        DefaultShortInterestPmtMthd,
        DefaultShortInterestCalcMthd,
        DefaultAmortMthd,
        DefaultPoints,
    };

    static const framework::CalculatorSpec& Definition();

    explicit TcbAmort(framework::BufferContext& context);

    // Publisher's values: today's origination, the first of the next month as first payment
    // when today is the 1st (else the first of the month after next), Monthly payments and
    // compounding, the publisher's settings, year ending December and all three switches on.
    void InitData() override;

    // The settings, balloon period, fees and switches. SetState validates every code and
    // count and raises EBadArgument for one outside its range (nothing changes then).
    const AmortCalcState& State() const { return state_; }
    void SetState(const AmortCalcState& state);
    // The month the fiscal year ends with (1-12); the schedule and the results stay.
    void SetYearEnding(int month);

    // Calc: solves and schedules the loan of the data record and the state; the solved value
    // (and a Canadian loan's frequency and compounding) goes back into the record. On failure
    // the record, the schedule and the results stay as they were.
    void Calculate() override;
    // Recalc: recalculates the rows as edited (their payments, extra payments, rates and
    // "Calculate Payment this Period" flags) with the record's loan; nothing is solved.
    // Raises "Loan is not calculated." without a schedule.
    void Recalc();

    // Whether a schedule with its results is there (from Calc or a loaded loan until the
    // inputs change).
    bool HasResults() const { return calculated_; }
    // The inputs changed: the schedule and its results are gone.
    void ClearResults();

    const TAmortSchedule& Schedule() const { return schedule_; }
    // For the row editing dialogs; their changes count at the next Recalc.
    TAmortSchedule& EditableSchedule() { return schedule_; }
    const AmortResults& Results() const { return results_; }
    // The record's loan as the engine takes it.
    AmortInputs Inputs() const;

    // The quantity solved last (1 amount, 2 number of payments, 3 rate, 4 payment).
    std::uint8_t Unknown() const { return unknown_; }
    int SolvedField() const override;

    // The settings store: the ten data values (not the dates), "Year Ending", the three
    // switches and the twelve settings under the calculator's key.
    void SaveLast() const override;
    bool LoadLast() override;
    // Local defaults: the rate, payment period, compounding, method and points into the
    // record, and the rate basis, acceleration, points, odd-days and short-period settings of
    // the options page into the loan's settings.
    void UseLocalDefaults() override;
    // Global defaults, as every calculator takes them: the program-wide rate, points, payment
    // period, compounding and method, and the program-wide loan settings (rate basis,
    // acceleration, points, odd days, short period, US Rule, twice-monthly days).
    void UseGlobalDefaults() override;

    // Year tabs (after "All") and the totals each shows.
    std::vector<YearTab> Tabs() const;
    struct TabView {
        std::size_t FirstRow = 0; // the rows the grid shows: FirstRow to EndRow - 1
        std::size_t EndRow = 0;
        double YearPmt = 0; // the annual totals line
        double YearPrincipal = 0;
        double YearInterest = 0;
        double RunningPmt = 0; // the running totals line: the view's last row's
        double RunningPrincipal = 0;
        double RunningInt = 0;
    };
    // Tab 0 is "All" (every row; both lines the last row's running totals), tab k the k-th
    // fiscal year of Tabs(). An index past the tabs shows "All".
    TabView ViewOfTab(std::size_t tab) const;

    // The APR: BuildAprFlows fills the buffer's cash-flow list, DeriveApr solves it and keeps
    // the APR (raises EFinError "Sorry, can't derive APR.", or "Loan is not calculated.").
    const std::vector<engine::TOffsetCashFlow>& BuildAprFlows();
    long double DeriveApr();
    long double Apr() const { return apr_; }
    AprInputs AprInputsOf() const;
    // What the opening row charges at origination (points and odd-days interest paid then).
    double PaidAtOrigination() const;
    // The disclosure's payment schedule from the main schedule.
    void BuildPaymentGroups(std::vector<TAprPmtRec>& groups) const;
    // The 26 figures of the APR Detail and those of the disclosure statement; both derive the
    // APR afresh.
    AprDetail MakeAprDetail();
    AprDisclosureFigures MakeDisclosureFigures();

    // The copied schedule: title, inputs, rows, settings.
    std::string CopyText() const override;
    // The printed schedule: its opening lines and its rows grouped by fiscal year.
    ScheduleReport MakeScheduleReport() const;
    // The printed schedule's lines as text ('\t' between the parts).
    std::vector<std::string> PrintRows() const override;
    // Prints the schedule; with `preparedFor` (the account information was confirmed just
    // before) the "Prepared For:" block follows the opening lines.
    bool Print() const override;
    void SetPrintPreparedFor(bool on) { printPreparedFor_ = on; }

    // The command line: every setting, the balloon period, interest-only payments, fees, year
    // ending and switches as NAME=VALUE; --apr and --csv; JSON with results, APR and rows.
    bool TakeArgument(std::string_view name, std::string_view value) override;
    std::vector<std::string> ArgumentHelp() const override;
    std::string OutputFlagText(std::string_view flag) const override;
    framework::OutputMembers JsonMembers() const override;

    // The schedule database: the loan with every input, setting and first-period figure ...
    AmortLoanTerms LoanTerms() const;
    // ... and a saved loan taken back: inputs, settings and its rows with their running totals
    // worked out from their amounts (for every method: a Rule-of-78s schedule is not
    // recalculated), then Recalc rebuilds the results. Codes outside their lists, counts out
    // of range and dates outside the calendar raise EBadArgument and change nothing.
    void LoadSavedLoan(const AmortLoanTerms& terms, TAmortSchedule rows);

private:
    void TakeInputs(const AmortInputs& inputs);
    void TakeResults(const AmortResults& results, const AmortInputs& inputs);
    void RequireResults() const;
    long double ComputeApr() const;
    framework::OutputMembers ResultMembers() const;
    framework::OutputMembers SettingMembers() const;

    AmortCalcState state_;
    TAmortSchedule schedule_;
    AmortResults results_;
    bool calculated_ = false;
    std::uint8_t unknown_ = 4;
    long double apr_ = 0;
    std::vector<engine::TOffsetCashFlow> aprFlows_;
    bool printPreparedFor_ = false;
    // The command line's disclosure information (--disclosure).
    DisclosureInfo disclosure_;
};

// The first payment date a new loan proposes on `today`: the first of the next month when
// today is the 1st, else the first of the month after next.
dates::DayNumber ProposedFirstPaymentDate(dates::DayNumber today);

// The tab to show after the year ending changed: the same index, or the last tab when it no
// longer exists (0 is "All").
std::size_t TabAfterYearEndingChange(std::size_t tab, std::size_t yearTabCount);

} // namespace quarvex::amortization
