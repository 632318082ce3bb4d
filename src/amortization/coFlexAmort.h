#pragma once

#include "amortization/AccrualRates.h"
#include "amortization/FlexAmortTerms.h"
#include "amortization/RunningTotals.h"
#include "amortization/ScheduleFV.h"
#include "amortization/TAmortSchedule.h"
#include "amortization/coAbstractAmort.h"
#include "framework/dates/TcalcDateMath.h"
#include "platform/Clock.h"
#include "platform/Messages.h"

#include <cstdint>

namespace quarvex::amortization {

// The flexible amortization engine: a dated schedule with odd first periods, points, odd-days
// interest, day-count bases, weekend and month-end rules, the US Rule, initial interest-only
// payments, last-period adjustment, payment optimisation and recalculation of edited rows.
// Create the class of the amortizing method (MakeFlexAmort), Init, set OptimizePmts, Calculate
// or Recalculate, then read Results and the schedule. "Today" for new rows comes from the
// clock; the Rule-of-78s recalculation reports through the messages service when one is given.
class coFlexAmort : public coAbstractAmort {
public:
    explicit coFlexAmort(const Clock& clock, Messages* messages = nullptr);

    // The inputs as Init stored them.
    double PV = 0;
    double Pmt = 0;
    float Rate = 0;
    std::uint16_t NumPmts = 0;
    dates::DayNumber OrgDate = 0;
    dates::DayNumber FirstPmtDate = 0;
    std::uint8_t PYR = kMonthlyCode;
    std::uint8_t CmpPYR = 6;
    AmortMethod AmortMthd = AmortMethod::Normal;
    bool InAdvance = false; // OrgDate equals FirstPmtDate
    AmortSettings Settings;
    double PointsAmt = 0;
    std::int32_t IntOnlyPmts = 0;
    bool RecalcPmtAfterZero = false;
    // Set by the caller before Calculate: run OptimizePayment on the fresh schedule.
    bool OptimizePmts = false;

    FlexAmortResults Results;

    // Stores and checks the inputs; builds nothing. Raises code 204 when the first payment date
    // is before the origination date, then 207 when the US Rule is set and compounding is more
    // frequent than payment; the method classes add their own checks. Also refuses, with
    // EFinance "Term can't be zero.", a schedule of no payments, with EFinance "out of range"
    // an amount beyond kLargestAmount or a rate that is not a number, with code 299 setting
    // codes outside their lists and dates outside the calendar, and with code 208 a first
    // payment after 1 January 2079.
    virtual void Init(const FlexAmortTerms& terms);

    // Builds a fresh schedule: opening row, first period, later periods, optional payment
    // optimisation, finish. A term that would pass 1 January 2079 raises code 208.
    void Calculate() override;

    // Replaces the engine's rows with copies of `source`, recalculates them after the user's
    // edits (payment, extra payment, rate, accrual rate, "Calculate Payment this Period") and
    // finishes the schedule. A recalculation that would pass 1 January 2079 ends at the last
    // possible row without an error.
    virtual void Recalculate(const TAmortSchedule& source) = 0;

    void FinishSchedule() override;

    // Interest of row R on P's balance, with the US Rule, initial interest-only payments and
    // the running unpaid interest.
    virtual void AccruePeriod(TTransRec& P, TTransRec& R);

    // The interest P's balance earns over R's period (whole cents). Stores P's periodic and
    // daily rates as the compounding allows.
    double AccrueInterest(TTransRec& P, const TTransRec& R);

    // The same under the US Rule, when it is set: P's unpaid interest earns no interest.
    double AccrueUnderUSRule(TTransRec& P, const TTransRec& R);

    virtual void BuildOpeningRow();
    virtual void BuildFirstPeriod();

    // Moves the payment to the cent whose schedule runs the full term with the final balance
    // nearest 0. Runs only for the level-payment methods (Normal, Canadian), whose rows pay
    // the engine's payment, and not when every payment is interest only; tries at most
    // kMaxOptimizeTrialsPerStep payments per step size. The payment it started from stays
    // unless the search found one that leaves the last row a smaller adjustment.
    void OptimizePayment();
    static constexpr int kMaxOptimizeTrialsPerStep = 20;

    // The balance on `date`: the balance of the last row dated on or before it plus the
    // interest accrued since that row. A date before the opening row raises code 214.
    double PayoffAt(dates::DayNumber date);

    // Replaces the destination's rows with copies of the engine's (206 when it is missing).
    void CopyScheduleTo(TAmortSchedule* destination) const;
    // Hands the engine's rows to the destination; the engine is left with an empty schedule.
    void MoveScheduleTo(TAmortSchedule& destination);
    // Works on the caller's schedule from now on; nullptr goes back to the engine's own.
    void AdoptSchedule(TAmortSchedule* schedule);

    TAmortSchedule& Schedule() { return *schedule_; }
    const TAmortSchedule& Schedule() const { return *schedule_; }

    // True when the last build or recalculation stopped at 1 January 2079 without an error.
    bool StoppedAtLatestDate() const { return truncated_; }

protected:
    // A row as InitRow makes it for this engine.
    TTransRec MakeRow() const;

    // Makes R the row after P: numbers, date, year label, days. False when the date would pass
    // the schedule's latest date.
    bool NextPeriod(const TTransRec& P, TTransRec& R);

    // NextPeriod for the fresh builds: raises code 208, or, while the payment optimisation
    // tries payments, marks the schedule as stopped at the latest date.
    bool NextPeriodOrStop(const TTransRec& P, TTransRec& R);

    // Rows 2 on of a fresh build: appends a row after the last until row NumPmts or a balance
    // of 0 or less; `fill(P, R)` works out the new row R from the row P before it.
    template <class Fill> void AppendPeriods(Fill fill) {
        auto& rows = schedule_->Records();
        const TTransRec model = MakeRow();
        while (rows.back().TransNo < NumPmts && !IsPaidOff(rows.back().PrinBal)) {
            rows.push_back(model);
            TTransRec& R = rows.back();
            TTransRec& P = rows[rows.size() - 2];
            if (!NextPeriodOrStop(P, R)) {
                rows.pop_back();
                break;
            }
            fill(P, R);
        }
    }

    // Balance, principal and running totals of R from P and R's payment, extra and interest,
    // in cents.
    static void SettleRow(const TTransRec& P, TTransRec& R);

    // The unpaid interest of R after its payment: a shortfall adds to the running unpaid
    // interest, a payment beyond the interest repays it (never below 0), and a payment of
    // exactly the interest leaves it as it was.
    static void SettleUnpaidInterest(const TTransRec& P, TTransRec& R);

    // The first period's covered span (PerSince, DaysSince) on R, taken from the opening row
    // O as the first-period rules say. Returns the full-period interest the short-period
    // reduction needs (0 unless asked for).
    double CoverFirstPeriod(TTransRec& O, TTransRec& R, bool wantFullPeriodInterest);

    // The opening row, with the first-period figures of Results and the odd-days interest; with
    // "Amortized" odd-days interest it solves the payment again when allowed.
    TTransRec MakeOpeningRow(bool mayResolvePayment);

    // What row 1 charges besides the interest of its period: points paid "With First" (when
    // the method takes them) and odd-days interest paid "With First". A recalculation charges
    // them again, so that it keeps what the first payment owes.
    double FirstRowCharges(bool withPoints) const;

    // Row 1 with its date, numbers and label, before any amount.
    TTransRec StartFirstRow() const;

    // The payment of `amount` over `payments` at an annual rate (percent), the frequency code and
    // the engine's compounding, through the loan solver of the engine's method; the
    // "Ordinary/365" and "Actual/365" bases solve at the rate x 360 / 365, as the calculation
    // does. Without interest the payment is the amount spread evenly.
    double SolvePayment(long double annualRate, double amount, int payments, int frequencyCode,
                        bool inAdvance) const;

    // Payments of the whole loan and the frequency it was solved at (PaymentBasis).
    int TermPmts() const;
    int SolveTermPmts() const;

    // The rows between the first and the last of a recalculation, by method.
    struct RecalcRules {
        bool PrepaidAlwaysOverwrites = false; // "Prepaid Principal" replaces any extra
        bool StopsAtNumPmts = true;           // the pass ends at the engine's NumPmts
    };
    struct RecalcState {
        bool IsLast = false;  // R is the last row of the schedule
        double SolvedPmt = 0; // the payment solved earlier in this pass, 0 for none
        int LastPmtNo = 0;    // PmtNo of the last row
    };
    // Copies the source rows, runs RecalcRow over them (appending rows up to NumPmts) and cuts
    // the rows after the last one reached. False when there were fewer than two rows.
    bool RunRecalcPass(const TAmortSchedule& source, const RecalcRules& rules);
    virtual void RecalcRow(TTransRec& P, TTransRec& R, RecalcState& state) = 0;

    // The results read from the last row (number, date, payment, totals, years, days).
    void PublishResults();

    // Rebuild of the whole schedule for one trial payment of OptimizePayment.
    void RebuildForTrial();

    // Whether the rows pay the engine's payment, so that changing it changes the schedule.
    virtual bool PaymentDrivesSchedule() const { return true; }

    TTransRec& Opening() { return schedule_->Records().front(); }

    PaymentBasis basis_;
    bool truncated_ = false;  // the last build stopped at the latest date
    bool trialBuild_ = false; // OptimizePayment is rebuilding for a trial payment
    Messages* messages_;      // where the engine's own information boxes go; may be null

private:
    // Interest on `balance` over R's period at P's rates.
    double AccrueOn(TTransRec& P, const TTransRec& R, double balance);
    const RateRule& RuleOf(const TTransRec& row);
    double OddDaysInterestOn(const TTransRec& O);
    // The scheduled (not weekend-adjusted) date of a row, with its calendar date when known
    // (day 0 when not).
    struct ScheduledDate {
        dates::DayNumber Date = dates::kNoDate;
        dates::CalendarDate Day;
    };
    // The scheduled date of row P, from which the next date is stepped.
    ScheduledDate ScheduledDateOf(const TTransRec& P) const;
    ScheduledDate StepScheduledDate(const ScheduledDate& scheduled) const;
    // Whole years from the first payment date to `date`, plus 1, and the day the next loan
    // year starts.
    std::int16_t LoanYearOf(dates::DayNumber date) const;
    dates::DayNumber LoanYearStart(int loanYear) const;

    const Clock& clock_;
    ScheduleFV fv_;
    dates::TcalcDateMath dateMath_;
    TAmortSchedule own_;
    TAmortSchedule* schedule_ = &own_;
    AccrualRateCache rates_;
    // The rule of the codes RuleOf saw last.
    std::uint8_t ruleFreq_ = 0;
    std::uint8_t ruleCmp_ = 0;
    InterestBasis ruleBasis_ = InterestBasis::Ordinary;
    RateRule rule_;
    // Fixed by Init: payments stay on month ends, and the first payment date's calendar date.
    bool keepMonthEnds_ = false;
    int stepMonths_ = 0; // months of a period for the month-based frequencies, else 0
    int stepDays_ = 0;   // days of a period for the day-based frequencies, else 0
    dates::CalendarDate firstPmtDay_;
    // The last row this engine stepped to: stepping on from it needs neither the scheduled
    // date nor the loan year worked out again.
    struct StepAnchor {
        std::int32_t TransNo = -1;
        ScheduledDate Scheduled;
        std::int16_t LoanYear = 0;
        dates::DayNumber NextYearStart = dates::kNoDate;
    };
    StepAnchor anchor_;
};

} // namespace quarvex::amortization
