#pragma once

#include "amortization/AccrualRates.h"
#include "amortization/AmortCodes.h"
#include "amortization/ScheduleFV.h"
#include "amortization/TSimpleAmortSchedule.h"
#include "amortization/coAbstractAmort.h"

#include <cstdint>

namespace quarvex::amortization {

// The inputs of coSimpleBaseAmort::Init, in the order the engine takes them.
struct SimpleAmortTerms {
    std::int32_t NumPmts = 0;
    std::uint8_t PYR = kMonthlyCode; // payment frequency code 1-10
    double PV = 0;
    double Pmt = 0;
    float Rate = 0;          // annual, percent
    std::uint8_t CmpPYR = 6; // compounding code 0-11
    AmortMethod AmortMthd = AmortMethod::Normal;
    engine::PaymentTiming Timing = engine::PaymentTiming::Arrears;
    InterestBasis RateBasis = InterestBasis::Ordinary;
    PointsPaid PointsPaidMthd = PointsPaid::WithFirst;
    LastPeriodAdjust AdjustLastMthd = LastPeriodAdjust::IncreasePayment;
    bool USRule = false;
    double PointsAmt = 0;
};

// The simple amortization engine: no dates, every row one nominal payment period. It answers
// the balance, the interest and the running interest after a period. Create the class of the
// method (MakeSimpleAmort), Init, Calculate, then query.
//
// Interest of a period is on the balance before it: by one period at the periodic rate under
// the "Ordinary" basis, by the nominal days of the period at the daily rate under the day
// bases ("Actual/360" and "Actual/365" count as "Ordinary/360" and "Ordinary/365": there are
// no dates). Payments in advance are made at the start of their period, so the first one
// carries no interest.
class coSimpleBaseAmort : public coAbstractAmort {
public:
    coSimpleBaseAmort() = default;

    double PV = 0;
    double Pmt = 0;
    float Rate = 0;
    std::int32_t NumPmts = 0;
    std::uint8_t PYR = kMonthlyCode;
    std::uint8_t CmpPYR = 6;
    int PeriodsPerYear = 12;
    int CompoundingPerYear = 12;
    AmortMethod AmortMthd = AmortMethod::Normal;
    engine::PaymentTiming Timing = engine::PaymentTiming::Arrears;
    InterestBasis RateBasis = InterestBasis::Ordinary;
    PointsPaid PointsPaidMthd = PointsPaid::WithFirst;
    LastPeriodAdjust AdjustLastMthd = LastPeriodAdjust::IncreasePayment;
    bool USRule = false;
    double PointsAmt = 0;

    // Results.
    std::int32_t LastPeriod = 0;
    std::int16_t LastYear = 0;
    double TotalInterest = 0; // running interest of the last row
    double FinalBalance = 0;  // balance of the last row before the last-period adjustment

    // Stores and checks the inputs. Raises code 207 when the US Rule is set and compounding is
    // more frequent than payment, EFinance "Term can't be zero." for no payments, EFinance "out
    // of range" for more than 65535 payments or an amount beyond kLargestAmount, and code 299
    // for codes outside their lists.
    virtual void Init(const SimpleAmortTerms& terms);

    // Builds the rows, records the final balance, finishes the schedule.
    void Calculate() override;

    // With an adjusting method, the last balance is paid by the last payment (or, "Reduce
    // Interest" where its interest is large enough, taken from its interest).
    void FinishSchedule() override;

    // Balance, interest and running interest after period n. n outside 1 to NumPmts raises
    // code 101; a period after the loan was paid off has balance 0 and interest 0.
    double BalanceAfter(int n) const;
    double InterestOf(int n) const;
    double RunningInterestOf(int n) const;

    const TSimpleAmortSchedule& Schedule() const { return schedule_; }
    TSimpleAmortSchedule& Schedule() { return schedule_; }

protected:
    // Rows 1, 2, ... until period NumPmts or a balance of 0 or less; each row's payment comes
    // from PayPeriod.
    void BuildRows();

    // Sets the row's payment (and, where the method says so, its interest) given the interest
    // accrued on the balance before it and that balance.
    virtual void PayPeriod(TSimpleAmortRec& row, double previousBalance) = 0;

    // Interest of `balance` over one nominal period (0 for period 1 paid in advance).
    double PeriodInterest(double balance, std::int32_t period);

private:
    const TSimpleAmortRec* RowOf(int n) const;

    TSimpleAmortSchedule schedule_;
    ScheduleFV fv_;
    RateRule rule_;
    long double annualRate_ = 0;
    long double periodicRate_ = 0;
    long double dailyRate_ = 0;
};

} // namespace quarvex::amortization
