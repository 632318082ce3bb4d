#include "amortization/coRules78Amort.h"

#include "amortization/EAmort.h"
#include "amortization/Money.h"
#include "engine/Rounding.h"

#include <algorithm>

namespace quarvex::amortization {

void coRules78Amort::Init(const FlexAmortTerms& terms) {
    coFlexAmort::Init(terms);
    if (Settings.RateBasis != InterestBasis::Ordinary) {
        RaiseAmortError(kAmortRule78Basis);
    }
    if (CmpPYR != PYR) {
        RaiseAmortError(kAmortRule78Compounding);
    }
    FinanceCharge = engine::RoundTo(engine::RoundDecimals, TermPmts() * Pmt - PV);
}

double coRules78Amort::EarnedBy(std::int32_t k) const {
    const double n = TermPmts();
    const double paid = std::clamp(static_cast<double>(k), 0.0, n);
    // The digits of payments 1 to k: n + (n - 1) + ... + (n - k + 1).
    const double digits = paid * n - paid * (paid - 1) * 0.5;
    return Cents(digits * FinanceCharge / (n * (n + 1) * 0.5));
}

double coRules78Amort::InterestOfPayment(std::int32_t k) const {
    return CentSum(EarnedBy(k) - EarnedBy(k - 1));
}

void coRules78Amort::BuildFirstPeriod() {
    auto& rows = Schedule().Records();
    TTransRec& O = rows.front();
    // The charge is what the payments bring in beyond the amount the schedule opens with, so
    // financed points or odd-days interest are not charged twice.
    FinanceCharge = engine::RoundTo(engine::RoundDecimals, TermPmts() * Pmt - O.PrinBal);
    TTransRec R = StartFirstRow();
    CoverFirstPeriod(O, R, false);
    R.Interest = InterestOfPayment(1);
    if (Settings.LongInterestPmtMthd == OddDaysPaid::WithFirst && Results.OddDaysInterest > 0) {
        R.Interest = CentSum(R.Interest + Results.OddDaysInterest);
        R.Pmt = CentSum(R.Pmt + Results.OddDaysInterest);
    }
    Results.FirstPmt = R.Pmt;
    SettleRow(O, R);
    rows.push_back(std::move(R));
}

void coRules78Amort::BuildPeriods() {
    AppendPeriods([this](TTransRec& P, TTransRec& R) {
        R.Interest = InterestOfPayment(R.TransNo);
        SettleRow(P, R);
    });
}

void coRules78Amort::Recalculate(const TAmortSchedule& source) {
    auto& rows = Schedule().Records();
    if (&source != &Schedule()) {
        rows = source.Records();
    }
    if (messages_ != nullptr) {
        messages_->Show(kNoRecalcText, MessageIcon::Information, MessageButtons::Ok);
    }
    // The rows are unchanged; their figures are published as they stand.
    Results = {};
    (void)MakeOpeningRow(false);
    if (rows.size() >= 2) {
        Results.FirstPmt = rows[1].Pmt;
    }
    Results.FinalBalance = Schedule().FinalBalance();
    PublishResults();
}

} // namespace quarvex::amortization
