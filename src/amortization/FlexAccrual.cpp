#include "amortization/Money.h"
#include "amortization/coFlexAmort.h"
#include "engine/EngineTypes.h"

#include <cmath>

// The interest step of the flexible engine: the rates of a row, the interest of a period, and
// the US Rule with the running unpaid interest.
namespace quarvex::amortization {
namespace {

// Amounts are money; a difference smaller than this is left over from binary arithmetic.
constexpr double kMoneyNoise = 0.00005;

double InterestOf(const ScheduleFV& fv) {
    return fv.InterestAmount();
}

} // namespace

const RateRule& coFlexAmort::RuleOf(const TTransRec& row) {
    if (ruleFreq_ != row.PmtFreq || ruleCmp_ != row.CmpFreq || ruleBasis_ != Settings.RateBasis ||
        ruleFreq_ == 0) {
        const int frequency = IsFrequencyCode(row.PmtFreq) ? row.PmtFreq : PYR;
        const std::uint8_t compounding = IsCompoundingCode(row.CmpFreq) ? row.CmpFreq : CmpPYR;
        rule_ = {compounding, PeriodsPerYearOf(frequency),
                 CompoundingPerYearOf(compounding, frequency),
                 BasisDaysPerYear(Settings.RateBasis)};
        ruleFreq_ = row.PmtFreq;
        ruleCmp_ = row.CmpFreq;
        ruleBasis_ = Settings.RateBasis;
    }
    return rule_;
}

double coFlexAmort::AccrueOn(TTransRec& P, const TTransRec& R, double balance) {
    if (P.AccrualRt == 0) {
        return 0;
    }
    const RateRule& rule = RuleOf(P);
    const AccrualRateCache::Rates& rates = rates_.Get(P.AccrualRt, rule);
    const bool byPeriods = Settings.RateBasis == InterestBasis::Ordinary;
    switch (rule.CompoundingCode) {
    case kSimpleCode:
        if (byPeriods) {
            P.AccPerRt = rates.Periodic;
            fv_.SimpleFV(balance, static_cast<double>(P.AccPerRt), R.PerSince);
        } else {
            P.AccDlyRt = rates.Daily;
            fv_.SimpleFV(balance, static_cast<double>(P.AccDlyRt), R.DaysSince);
        }
        break;
    case kContinuousCode:
        // No rate is stored. By periods the balance grows by EulerConst^(r/100 x periods / p);
        // by days by EulerConst^(r/100 x days / days in the year). Both take P's rate, the rate
        // in force over R's period, as every other compounding does.
        if (byPeriods) {
            fv_.CompoundFV(balance, static_cast<double>(rates.Periodic), R.PerSince);
        } else {
            fv_.ContinuousFV(balance, static_cast<double>(P.AccrualRt / 100.0L), R.DaysSince,
                             rule.DaysPerYear);
        }
        break;
    default:
        P.AccPerRt = rates.Periodic;
        P.AccDlyRt = rates.Daily;
        if (byPeriods) {
            fv_.CompoundFV(balance, static_cast<double>(P.AccPerRt), R.PerSince);
        } else {
            fv_.CompoundFVPeriods(balance, static_cast<double>(P.AccDlyRt), R.DaysSince);
        }
        break;
    }
    return InterestOf(fv_);
}

double coFlexAmort::AccrueInterest(TTransRec& P, const TTransRec& R) {
    return AccrueOn(P, R, P.PrinBal);
}

double coFlexAmort::AccrueUnderUSRule(TTransRec& P, const TTransRec& R) {
    // Under the US Rule unpaid interest earns no interest.
    const bool usRule = Settings.USRule && std::fabs(P.RunningAccruedInt) >= engine::ZeroTolerance;
    return AccrueOn(P, R, usRule ? P.PrinBal - P.RunningAccruedInt : P.PrinBal);
}

void coFlexAmort::AccruePeriod(TTransRec& P, TTransRec& R) {
    R.Interest = AccrueUnderUSRule(P, R);
    if (R.TransNo == 1) {
        // Only a recalculation gets here with row 1.
        R.Interest = CentSum(R.Interest + FirstRowCharges(true));
    }
    if (IntOnlyPmts >= R.PmtNo) {
        R.Pmt = R.Interest;
    }
    SettleUnpaidInterest(P, R);
}

void coFlexAmort::SettleUnpaidInterest(const TTransRec& P, TTransRec& R) {
    // Rounded to the cent only where it is kept: the comparisons see through the noise.
    const double shortfall = R.Interest - (R.Pmt + R.ExtraPmt);
    if (shortfall > kMoneyNoise) {
        R.AccruedInt = CentSum(shortfall);
        R.RunningAccruedInt = CentSum(P.RunningAccruedInt + shortfall);
    } else if (shortfall < -kMoneyNoise && P.RunningAccruedInt > 0) {
        // The part paid beyond the interest repays unpaid interest first, never more than is
        // outstanding.
        R.AccruedInt = CentSum(shortfall);
        R.RunningAccruedInt = CentSum(P.RunningAccruedInt + shortfall);
        if (R.RunningAccruedInt < 0) {
            R.AccruedInt = CentSum(R.AccruedInt - R.RunningAccruedInt);
            R.RunningAccruedInt = 0;
        }
    } else if (shortfall >= -kMoneyNoise) {
        // Exactly the interest paid (an interest-only payment after a skipped one): the unpaid
        // interest stays outstanding.
        R.RunningAccruedInt = P.RunningAccruedInt > 0 ? P.RunningAccruedInt : 0;
    } else {
        R.RunningAccruedInt = 0;
    }
}

} // namespace quarvex::amortization
