#include "amortization/database/TLoanRec.h"

#include "amortization/database/EAmortDB.h"

#include <cmath>
#include <limits>

namespace quarvex::amortization::database {

namespace {

std::uint8_t Code(auto value) {
    return static_cast<std::uint8_t>(value);
}

// Checks the values a calculation takes; the first that does not fit raises EAmortDB.
class LoanChecks {
public:
    explicit LoanChecks(const TLoanRec& loan) : loan_(loan) {}

    void Amount(double value, std::string_view what) const {
        if (!std::isfinite(value)) {
            Fail(std::string(what) + " is not a number");
        }
    }
    void Date(dates::DayNumber day, std::string_view what) const {
        if (!dates::IsValidDayNumber(day)) {
            Fail(std::string(what) + " is missing or not a date");
        }
    }
    void Within(int value, int first, int last, std::string_view what) const {
        if (value < first || value > last) {
            Fail(std::string(what) + " " + std::to_string(value) + " is not one of " +
                 std::to_string(first) + " to " + std::to_string(last));
        }
    }

private:
    [[noreturn]] void Fail(const std::string& what) const {
        RaiseDamagedLoan(loan_.LoanNo, "its " + what);
    }
    const TLoanRec& loan_;
};

void CheckLoan(const TLoanRec& loan) {
    const LoanChecks check(loan);
    check.Amount(loan.PV, "amount");
    check.Amount(loan.Rate, "rate");
    check.Amount(loan.Pmt, "payment");
    check.Amount(loan.Points, "points");
    check.Amount(loan.OneTimeFees, "total of one-time fees");
    check.Date(loan.OrgDate, "origination date");
    check.Date(loan.FirstPmtDate, "first payment date");
    check.Within(loan.PYR, 1, 10, "payment frequency code");
    check.Within(loan.CmpPYR, 0, 11, "compounding code");
    check.Within(loan.AmortMthd, 0, static_cast<int>(AmortMethod::RuleOf78s), "amortizing method");
    check.Within(loan.RateBasis, 0, static_cast<int>(InterestBasis::Actual365), "rate basis");
    check.Within(loan.AccelMthd, 0, static_cast<int>(AccelMethod::PrepaidPrincipal),
                 "acceleration method");
    check.Within(loan.PointsPaidMthd, 0, static_cast<int>(PointsPaid::Amortized),
                 "points paid method");
    check.Within(loan.TwiceMonthly, 0, kTwiceMonthlyCodes - 1, "twice-monthly days");
    check.Within(loan.WeekendAdjust, 0, kWeekendCodes - 1, "weekend adjustment");
    check.Within(loan.AdjustLastMthd, 0, static_cast<int>(LastPeriodAdjust::ReduceInterest),
                 "last period adjustment");
    check.Within(loan.LastDayMonthMthd, 0, static_cast<int>(LastDayOfMonth::Adjust),
                 "last day of month adjustment");
    check.Within(loan.LongInterestPmtMthd, 0, static_cast<int>(OddDaysPaid::Amortized),
                 "odd days interest payment");
    check.Within(loan.LongInterestCalcMthd, 0, static_cast<int>(OddDaysCalc::Compound365),
                 "odd days interest calculation");
    check.Within(loan.ShortInterestPmtMthd, 0, static_cast<int>(ShortPeriodPaid::ReduceAll),
                 "short period payment");
    check.Within(loan.ShortInterestCalcMthd, 0, static_cast<int>(ShortPeriodCalc::Simple365),
                 "short period calculation");
    check.Within(loan.IntOnlyPmts, 0, std::numeric_limits<std::int32_t>::max(),
                 "number of interest-only payments");
    check.Within(loan.BalloonPeriod, 0, std::numeric_limits<std::uint16_t>::max(),
                 "balloon period");
}

} // namespace

TLoanRec MakeLoanRec(std::string_view loanNo, const LoanCalculation& calculation,
                     const AmortResults& results) {
    const AmortInputs& in = calculation.inputs;
    const AmortSettings& s = in.Settings;
    TLoanRec loan;
    loan.LoanNo = std::string(loanNo);
    loan.PV = in.PV;
    loan.NumPmts = in.NumPmts;
    loan.Rate = in.Rate;
    loan.Pmt = in.Pmt;
    loan.OrgDate = in.OrgDate;
    loan.FirstPmtDate = in.FirstPmtDate;
    loan.PYR = static_cast<std::uint8_t>(in.PaymentPeriod + 1);
    loan.CmpPYR = in.Compounding;
    loan.Points = in.Points;
    loan.AmortMthd = Code(in.AmortMthd);
    loan.RateBasis = Code(s.RateBasis);
    loan.PmtMthd = in.OrgDate == in.FirstPmtDate ? 1 : 0;
    loan.AccelMthd = Code(s.AccelMthd);
    loan.PointsPaidMthd = Code(s.PointsPaidMthd);
    loan.TwiceMonthly = s.TwiceMonthly;
    loan.WeekendAdjust = s.WeekendAdjust;
    loan.AdjustLastMthd = Code(s.AdjustLastMthd);
    loan.USRule = s.USRule;
    loan.LastDayMonthMthd = Code(s.LastDayMonthMthd);
    loan.LongInterestPmtMthd = Code(s.LongInterestPmtMthd);
    loan.LongInterestCalcMthd = Code(s.LongInterestCalcMthd);
    loan.ShortInterestPmtMthd = Code(s.ShortInterestPmtMthd);
    loan.ShortInterestCalcMthd = Code(s.ShortInterestCalcMthd);
    loan.TotalPmts = results.Engine.TotalPmts;
    loan.OddDaysInterest = results.Engine.OddDaysInterest;
    loan.OddDays = results.Engine.OddDays;
    loan.IntOnlyPmts = in.IntOnlyPmts;
    loan.BalloonPeriod = in.BalloonPeriod;
    loan.OneTimeFees = calculation.OneTimeFees;
    loan.PointsAmt = results.PointsAmt;
    loan.DaysToFirstPmt = in.FirstPmtDate - in.OrgDate;
    loan.WholePeriods = results.Engine.WholePeriods;
    loan.OddFraction = results.Engine.OddFraction;
    loan.DaysToLastPmt = results.Engine.DaysToLastPmt;
    loan.PmtsPerYear = IsFrequencyCode(loan.PYR) ? PeriodsPerYearOf(loan.PYR) : 0;
    loan.ForcePmtCalc = in.ForcePmtCalc;
    loan.RecalcPmtAfterZero = in.RecalcPmtAfterZero;
    loan.OptimizePmts = in.OptimizePmts;
    return loan;
}

void ApplyLoanRec(const TLoanRec& loan, LoanCalculation& calculation) {
    CheckLoan(loan);
    AmortInputs& in = calculation.inputs;
    in.PV = loan.PV;
    in.NumPmts = loan.NumPmts;
    in.Rate = loan.Rate;
    in.Pmt = loan.Pmt;
    in.OrgDate = loan.OrgDate;
    in.FirstPmtDate = loan.FirstPmtDate;
    in.PaymentPeriod = static_cast<std::uint8_t>(loan.PYR - 1);
    in.Compounding = loan.CmpPYR;
    in.Points = loan.Points;
    in.AmortMthd = static_cast<AmortMethod>(loan.AmortMthd);
    AmortSettings& s = in.Settings;
    s.RateBasis = static_cast<InterestBasis>(loan.RateBasis);
    s.AccelMthd = static_cast<AccelMethod>(loan.AccelMthd);
    s.PointsPaidMthd = static_cast<PointsPaid>(loan.PointsPaidMthd);
    s.TwiceMonthly = loan.TwiceMonthly;
    s.WeekendAdjust = loan.WeekendAdjust;
    s.AdjustLastMthd = static_cast<LastPeriodAdjust>(loan.AdjustLastMthd);
    s.USRule = loan.USRule;
    s.LastDayMonthMthd = static_cast<LastDayOfMonth>(loan.LastDayMonthMthd);
    s.LongInterestPmtMthd = static_cast<OddDaysPaid>(loan.LongInterestPmtMthd);
    s.LongInterestCalcMthd = static_cast<OddDaysCalc>(loan.LongInterestCalcMthd);
    s.ShortInterestPmtMthd = static_cast<ShortPeriodPaid>(loan.ShortInterestPmtMthd);
    s.ShortInterestCalcMthd = static_cast<ShortPeriodCalc>(loan.ShortInterestCalcMthd);
    in.IntOnlyPmts = loan.IntOnlyPmts;
    in.BalloonPeriod = static_cast<std::uint16_t>(loan.BalloonPeriod);
    in.ForcePmtCalc = loan.ForcePmtCalc;
    in.RecalcPmtAfterZero = loan.RecalcPmtAfterZero;
    in.OptimizePmts = loan.OptimizePmts;
    calculation.OneTimeFees = loan.OneTimeFees;
}

AmortResults StoredResults(const TLoanRec& loan) {
    AmortResults results;
    results.PointsAmt = loan.PointsAmt;
    results.Engine.OddDays = loan.OddDays;
    results.Engine.WholePeriods = loan.WholePeriods;
    results.Engine.OddFraction = loan.OddFraction;
    results.Engine.OddDaysInterest = loan.OddDaysInterest;
    results.Engine.TotalPmts = loan.TotalPmts;
    results.Engine.DaysToLastPmt = loan.DaysToLastPmt;
    results.Engine.LastPmtDate = loan.OrgDate + loan.DaysToLastPmt;
    return results;
}

} // namespace quarvex::amortization::database
