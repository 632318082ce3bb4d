#include "AmortTestSupport.h"
#include "amortization/CalculateSchedule.h"
#include "amortization/coRules78Amort.h"
#include "engine/TCalcPmt.h"
#include "support/RecordingMessages.h"

#include <gtest/gtest.h>

namespace quarvex::amortization::testing {
namespace {

struct Loan {
    AmortInputs inputs;
    TAmortSchedule schedule;
    AmortResults results;
};

Loan Calculated(const std::string& text) {
    Loan loan{ParseLoan(text), {}, {}};
    loan.results = CalculateSchedule(loan.inputs, loan.schedule, TestContext());
    return loan;
}

AmortResults Recalculate(Loan& loan, Messages* messages = nullptr) {
    return RecalculateSchedule(loan.inputs, loan.schedule, TestContext(messages));
}

void SetRate(TTransRec& row, long double rate) {
    row.Rate = rate;
    row.AccrualRt = rate;
}

// A new rate from row `from` on, as the rate windows copy it into a range of rows.
void SetRateFrom(TAmortSchedule& schedule, int from, long double rate) {
    for (std::size_t k = static_cast<std::size_t>(from); k < schedule.Records().size(); ++k) {
        SetRate(schedule[k], rate);
    }
}

TEST(RecalculateSchedule, WithoutEditsReproducesTheSchedule) {
    const char* loans[] = {
        "force=1 rate=9",
        "pmt=873.50 rate=9", // a balance left for the last payment
        "pmt=879.50 rate=9", // the last payment overpays
        "force=1 rate=9 method=1 cmp=9 n=60",
        "force=1 rate=9 method=2",
        "force=1 rate=9 method=3",
        "force=1 rate=9 method=4",
        "force=1 rate=9 org=1/1/2024 first=2/16/2024 oddpaid=2",
        "force=1 rate=9 org=1/20/2024 first=2/1/2024",
        "force=1 rate=9 io=3 n=24",
        "pmt=150 rate=24 n=36 usrule=1",
        "force=1 rate=9 basis=4 n=48 weekend=1 org=5/15/2024 first=6/15/2024",
        "force=1 rate=9 period=3 twice=0 weekend=2 n=48",
        "force=1 rate=6 n=360 pv=100000 balloon=60",
        "force=1 rate=6 n=120 pv=100000 accel=1",
        "force=1 rate=9 n=400 period=0 cmp=1 basis=4 first=1/2/2024",
    };
    for (const char* text : loans) {
        Loan loan = Calculated(text);
        const std::vector<TTransRec> before = loan.schedule.Records();
        const AmortResults results = Recalculate(loan);
        const auto& after = loan.schedule.Records();
        ASSERT_EQ(after.size(), before.size()) << text;
        for (std::size_t k = 0; k < after.size(); ++k) {
            EXPECT_EQ(after[k].TransDate, before[k].TransDate) << text << " row " << k;
            EXPECT_NEAR(after[k].Pmt, before[k].Pmt, 1e-9) << text << " row " << k;
            EXPECT_NEAR(after[k].Interest, before[k].Interest, 1e-9) << text << " row " << k;
            EXPECT_NEAR(after[k].PrinBal, before[k].PrinBal, 1e-9) << text << " row " << k;
            EXPECT_EQ(after[k].PmtNoYr, before[k].PmtNoYr) << text << " row " << k;
        }
        // The results keep the first period's figures and the totals.
        EXPECT_EQ(results.Engine.FirstPeriodKind, loan.results.Engine.FirstPeriodKind) << text;
        EXPECT_EQ(results.Engine.WholePeriods, loan.results.Engine.WholePeriods) << text;
        EXPECT_DOUBLE_EQ(results.Engine.OddFraction, loan.results.Engine.OddFraction) << text;
        EXPECT_DOUBLE_EQ(results.Engine.OddDaysInterest, loan.results.Engine.OddDaysInterest)
            << text;
        EXPECT_DOUBLE_EQ(results.Engine.FirstPmt, loan.results.Engine.FirstPmt) << text;
        EXPECT_NEAR(results.Engine.TotalInterest, loan.results.Engine.TotalInterest, 1e-6) << text;
        EXPECT_EQ(results.Engine.LastTransNo, loan.results.Engine.LastTransNo) << text;
        ExpectScheduleIdentities(loan.schedule, true, text);
    }
}

TEST(RecalculateSchedule, ARateChangeAtRowTwelveSolvesANewLevelPayment) {
    Loan loan = Calculated("force=1 n=360 pv=200000 rate=6.5 org=3/15/2024 first=5/1/2024");
    const double oldPayment = loan.inputs.Pmt;
    const double balance12 = loan.schedule[12].PrinBal;
    SetRateFrom(loan.schedule, 12, 8.0L);
    Recalculate(loan);

    const auto& rows = loan.schedule.Records();
    ASSERT_EQ(rows.size(), 361u);
    EXPECT_TRUE(rows[12].RateChng);
    EXPECT_FALSE(rows[13].RateChng);
    EXPECT_DOUBLE_EQ(rows[12].Pmt, oldPayment);
    EXPECT_DOUBLE_EQ(rows[12].PrinBal, balance12); // row 12 still accrues at the old rate
    // Worked out in decimal arithmetic: the balance after row 12 is 197 764.50, and 348
    // payments of it at 8 % are B i / (1 - (1 + i)^-348) = 1 463.35 with i = 0.08 / 12.
    EXPECT_NEAR(balance12, 197764.50, 1e-6);
    const double newPayment = 1463.35;
    for (std::size_t k = 13; k < rows.size(); ++k) {
        EXPECT_NEAR(rows[k].Pmt, newPayment, k + 1 == rows.size() ? 5.0 : 1e-9) << k;
    }
    EXPECT_EQ(rows.back().PrinBal, 0);
    EXPECT_EQ(rows.back().TransNo, 360);
    ExpectScheduleIdentities(loan.schedule, true, "rate change");
}

TEST(RecalculateSchedule, AUserPaymentStaysThroughARateChange) {
    // The user's payment: the rows' "Calculate Payment this Period" is clear.
    Loan up = Calculated("pmt=1264.14 n=360 pv=200000 rate=6.5");
    ASSERT_FALSE(up.schedule[20].CalcPmt);
    SetRateFrom(up.schedule, 12, 7.5L);
    Recalculate(up);
    // A higher rate: the loan would run longer, but stops at payment 360, whose payment takes
    // the rest ("Increase Payment").
    EXPECT_EQ(up.schedule.LastTransNo(), 360);
    EXPECT_DOUBLE_EQ(up.schedule[200].Pmt, 1264.14);
    EXPECT_GT(up.schedule.Records().back().Pmt, 1264.14 + 1000);
    ExpectScheduleIdentities(up.schedule, true, "rate up");

    Loan down = Calculated("pmt=1264.14 n=360 pv=200000 rate=6.5");
    SetRateFrom(down.schedule, 12, 5.5L);
    Recalculate(down);
    EXPECT_LT(down.schedule.LastTransNo(), 330);
    EXPECT_DOUBLE_EQ(down.schedule[200].Pmt, 1264.14);
    ExpectScheduleIdentities(down.schedule, true, "rate down");
}

TEST(RecalculateSchedule, ASkippedPaymentRaisesTheBalanceOrResolvesTheNextPayment) {
    Loan off = Calculated("force=1 rate=9 afterzero=0");
    const double payment = off.inputs.Pmt;
    off.schedule[5].Pmt = 0;
    Recalculate(off);
    const TTransRec& skipped = off.schedule[5];
    EXPECT_DOUBLE_EQ(skipped.AccruedInt, skipped.Interest);
    EXPECT_GT(skipped.PrinBal, off.schedule[4].PrinBal);
    EXPECT_DOUBLE_EQ(off.schedule[6].Pmt, payment); // the payment is kept
    EXPECT_EQ(off.schedule.LastTransNo(), 12);      // never past NumPmts
    EXPECT_GT(off.schedule.Records().back().Pmt, payment + 500);
    ExpectScheduleIdentities(off.schedule, true, "skipped, kept payment");

    Loan on = Calculated("force=1 rate=9 afterzero=1");
    on.schedule[5].Pmt = 0;
    Recalculate(on);
    // The next payment is solved again for the remaining 7 payments on the grown balance.
    const double resolved = engine::TCalcPmt().Payment(on.schedule[5].PrinBal, 7, 0.0075);
    EXPECT_DOUBLE_EQ(on.schedule[6].Pmt, resolved);
    EXPECT_DOUBLE_EQ(on.schedule[9].Pmt, resolved);
    EXPECT_LT(std::fabs(on.results.Engine.FinalBalance), 0.5);
    ExpectScheduleIdentities(on.schedule, true, "skipped, re-solved");
}

TEST(RecalculateSchedule, AnExtraPaymentBeyondTheBalanceIsCutToWhatPaysTheLoanOff) {
    Loan loan = Calculated("force=1 rate=9");
    loan.schedule[12].ExtraPmt = 5000;
    Recalculate(loan);
    const TTransRec& last = loan.schedule.Records().back();
    EXPECT_EQ(last.TransNo, 12);
    // The extra payment pays only the few cents the regular payment leaves.
    const double owed = loan.schedule[11].PrinBal + last.Interest - last.Pmt;
    EXPECT_GT(owed, 0);
    EXPECT_LT(owed, 1);
    EXPECT_NEAR(last.ExtraPmt, owed, 1e-9);
    EXPECT_NEAR(last.PrinBal, 0, 1e-9);

    Loan early = Calculated("force=1 rate=9");
    early.schedule[9].ExtraPmt = 5000;
    Recalculate(early);
    const TTransRec& payoff = early.schedule.Records().back();
    EXPECT_EQ(payoff.TransNo, 9); // the loan ends where the extra payment paid it off
    EXPECT_NEAR(payoff.ExtraPmt, early.schedule[8].PrinBal + payoff.Interest - payoff.Pmt, 1e-9);
    EXPECT_NEAR(early.schedule.Records().back().RunningExtraPmt, payoff.ExtraPmt, 1e-9);
    ExpectScheduleIdentities(early.schedule, true, "extra payment");
}

TEST(RecalculateSchedule, AnExtraPaymentIsNeverRaisedToPayOff) {
    // The term ends with a balance left; the last row's extra payment stays what it was and
    // the last-period adjustment takes the rest.
    Loan loan = Calculated("pmt=800 rate=9");
    loan.schedule[12].ExtraPmt = 100;
    Recalculate(loan);
    const TTransRec& last = loan.schedule.Records().back();
    EXPECT_DOUBLE_EQ(last.ExtraPmt, 100);
    EXPECT_EQ(last.PrinBal, 0);
    EXPECT_GT(last.Pmt, 800);
    ExpectScheduleIdentities(loan.schedule, true, "extra payment kept");
}

TEST(RecalculateSchedule, PrepaidPrincipalEndsInAboutHalfTheRows) {
    Loan plain = Calculated("force=1 n=360 pv=200000 rate=6.5");
    Loan prepaid = Calculated("force=1 n=360 pv=200000 rate=6.5 accel=2");
    for (std::size_t k = 1; k + 1 < prepaid.schedule.Records().size(); ++k) {
        EXPECT_NEAR(prepaid.schedule[k].ExtraPmt, plain.schedule[k + 1].Principal, 1e-9) << k;
    }
    // Each row pays its own principal and the next row's principal of the unaccelerated
    // schedule: 217 rows instead of 360.
    EXPECT_EQ(prepaid.schedule.LastTransNo(), 217);
    ExpectScheduleIdentities(prepaid.schedule, true, "prepaid principal");
}

TEST(RecalculateSchedule, EndsQuietlyAtTheLatestDate) {
    // Annual payments from 2049 to 2078. The rows after row 19 are dropped and rows 18 and
    // 19 pay only 100 (the last row takes the payment of the row before it): the rows
    // appended after them copy that payment, the loan would need 40 of them, and the one
    // after 1 January 2079 is not made.
    Loan loan = Calculated("force=1 rate=9 n=30 period=9 cmp=10 org=1/1/2048 first=1/1/2049");
    loan.schedule.Records().resize(20);
    for (const std::size_t k : {18u, 19u}) {
        loan.schedule[k].Pmt = 100;
        loan.schedule[k].CalcPmt = false;
    }
    loan.inputs.NumPmts = 40;
    const AmortResults results = Recalculate(loan);
    EXPECT_TRUE(results.StoppedAtLatestDate);
    EXPECT_EQ(loan.schedule.Records().back().TransDate, Day(2079, 1, 1));
    EXPECT_EQ(loan.schedule.LastTransNo(), 31);
    EXPECT_DOUBLE_EQ(loan.schedule[25].Pmt, 100);
    ExpectScheduleIdentities(loan.schedule, true, "stopped at 2079");
}

TEST(RecalculateSchedule, RuleOf78sRowsStayAsTheyAre) {
    Loan loan = Calculated("force=1 rate=9 method=5");
    loan.schedule[3].ExtraPmt = 100;
    SetRate(loan.schedule[4], 12);
    const std::vector<TTransRec> before = loan.schedule.Records();
    quarvex::testing::RecordingMessages messages;
    const AmortResults results = Recalculate(loan, &messages);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "'Rule-of-78s' does not support\r\reither adjustable rates or extra payments.");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);
    ASSERT_EQ(loan.schedule.Count(), static_cast<int>(before.size()));
    for (std::size_t k = 0; k < before.size(); ++k) {
        EXPECT_EQ(loan.schedule[k].PrinBal, before[k].PrinBal) << k;
        EXPECT_EQ(loan.schedule[k].ExtraPmt, before[k].ExtraPmt) << k;
    }
    // The figures of the unchanged rows are still there for the calculator to show.
    EXPECT_NEAR(results.Engine.TotalInterest, loan.results.Engine.TotalInterest, 1e-9);
    EXPECT_EQ(results.Engine.LastTransNo, 12);
}

TEST(RecalculateSchedule, InterestOnlyPaysInterestAndExtraPrincipal) {
    Loan loan = Calculated("force=1 rate=9 method=3");
    loan.schedule[4].ExtraPmt = 1000;
    Recalculate(loan);
    EXPECT_DOUBLE_EQ(loan.schedule[4].Principal, 1000);
    EXPECT_DOUBLE_EQ(loan.schedule[4].PrinBal, 9000);
    EXPECT_DOUBLE_EQ(loan.schedule[5].Interest, 67.5); // 9 000 at 0.75 %
    const TTransRec& last = loan.schedule.Records().back();
    EXPECT_EQ(last.PrinBal, 0);
    EXPECT_DOUBLE_EQ(last.Principal, 9000);
    ExpectScheduleIdentities(loan.schedule, true, "interest only");
}

TEST(RecalculateSchedule, FixedPrincipalKeepsItsPrincipal) {
    Loan loan = Calculated("force=1 rate=9 method=2");
    loan.schedule[3].ExtraPmt = 2000;
    Recalculate(loan);
    EXPECT_DOUBLE_EQ(loan.schedule[3].Principal, 833.33 + 2000);
    EXPECT_DOUBLE_EQ(loan.schedule[4].Pmt, 833.33 + loan.schedule[4].Interest);
    EXPECT_LT(loan.schedule.LastTransNo(), 12); // the extra payment shortens the loan
    ExpectScheduleIdentities(loan.schedule, true, "fixed principal");
}

TEST(RecalculateSchedule, NoInterestChargesNothingWhateverTheRowRates) {
    Loan loan = Calculated("rate=0 method=4 pmt=833.33");
    SetRate(loan.schedule[2], 10);
    loan.schedule[5].ExtraPmt = 500;
    Recalculate(loan);
    for (const TTransRec& row : loan.schedule.Records()) {
        EXPECT_EQ(row.Interest, 0) << row.TransNo;
        EXPECT_EQ(row.RunningInt, 0) << row.TransNo;
    }
    ExpectScheduleIdentities(loan.schedule, true, "no interest");
}

TEST(RecalculateSchedule, ARateChangeUnderABalloonKeepsTheBalloon) {
    Loan loan = Calculated("force=1 n=360 pv=100000 rate=6 balloon=60");
    SetRateFrom(loan.schedule, 12, 7);
    const AmortResults results = Recalculate(loan);
    // The new payment amortizes over the loan's 360 payments, not over the 60 rows.
    const double newPayment = engine::TCalcPmt().Payment(loan.schedule[12].PrinBal, 348, 0.07 / 12);
    EXPECT_DOUBLE_EQ(loan.schedule[13].Pmt, newPayment);
    EXPECT_EQ(loan.schedule.LastTransNo(), 60);
    EXPECT_GT(results.BalloonPmt, 90000);
    ExpectScheduleIdentities(loan.schedule, true, "balloon rate change");
}

} // namespace
} // namespace quarvex::amortization::testing
