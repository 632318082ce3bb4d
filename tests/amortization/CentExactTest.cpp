#include "AmortTestSupport.h"
#include "amortization/CalculateSchedule.h"
#include "engine/Rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

namespace quarvex::amortization::testing {
namespace {

std::int64_t InCents(double amount) {
    return std::llround(amount * 100.0);
}

// Every money field of every row is a whole number of cents, held as the double RoundTo gives
// for it (so that 99236.68 is never written 99236.6799999999), and every running total is
// the sum of the rows' amounts counted in whole cents.
void ExpectCentExact(const TAmortSchedule& schedule, const std::string& context) {
    std::int64_t pmt = 0, extra = 0, principal = 0, interest = 0;
    for (std::size_t i = 0; i < schedule.Records().size(); ++i) {
        const TTransRec& r = schedule.Records()[i];
        const std::string where = context + ", row " + std::to_string(i);
        const struct {
            const char* name;
            double value;
        } fields[] = {{"Pmt", r.Pmt},
                      {"ExtraPmt", r.ExtraPmt},
                      {"Advance", r.Advance},
                      {"Principal", r.Principal},
                      {"Interest", r.Interest},
                      {"AccruedInt", r.AccruedInt},
                      {"PrinBal", r.PrinBal},
                      {"RunningPmt", r.RunningPmt},
                      {"RunningExtraPmt", r.RunningExtraPmt},
                      {"RunningPrincipal", r.RunningPrincipal},
                      {"RunningInt", r.RunningInt},
                      {"RunningAccruedInt", r.RunningAccruedInt}};
        for (const auto& field : fields) {
            ASSERT_EQ(field.value, engine::RoundTo(2, field.value)) << where << " " << field.name;
        }
        pmt += InCents(r.Pmt);
        extra += InCents(r.ExtraPmt);
        principal += InCents(r.Principal);
        interest += InCents(r.Interest);
        ASSERT_EQ(r.RunningPmt, static_cast<double>(pmt) / 100.0) << where;
        ASSERT_EQ(r.RunningExtraPmt, static_cast<double>(extra) / 100.0) << where;
        ASSERT_EQ(r.RunningPrincipal, static_cast<double>(principal) / 100.0) << where;
        ASSERT_EQ(r.RunningInt, static_cast<double>(interest) / 100.0) << where;
    }
}

TEST(CentExactSchedules, EveryAmountOfEveryRowIsWholeCents) {
    const char* loans[] = {
        // A 30-year loan: 350 of its 361 rows used to carry binary noise in some amount.
        "force=1 pv=100000 n=360 rate=6 org=1/1/2024 first=2/1/2024",
        "force=1 pv=100000 n=360 rate=6 org=1/1/2024 first=2/1/2024 optimize=1",
        "force=1 pv=100000 n=360 rate=6 method=1",
        "force=1 pv=100000 n=360 rate=6 method=2 org=1/1/2024 first=2/16/2024 oddpaid=2",
        "force=1 pv=100000 n=360 rate=6 method=3 io=360",
        "force=1 pv=100000 n=360 rate=6 method=4",
        "force=1 pv=80000 n=360 rate=6 method=5",
        "force=1 pv=80000 n=360 rate=6 method=5 org=1/1/2024 first=2/16/2024 oddpaid=3",
        "force=1 pv=25000 n=60 rate=7.9 points=1.5 pointspaid=2 org=1/20/2024 first=2/1/2024",
        "force=1 pv=25000 n=60 rate=7.9 points=1.5 pointspaid=3 org=1/1/2024 first=2/14/2024 "
        "oddpaid=3 oddcalc=1",
        "force=1 pv=50000 n=104 rate=8.25 period=2 cmp=1 basis=4 org=1/3/2024 first=1/17/2024",
        "force=1 pv=12345.67 n=700 rate=5.5 period=0 cmp=0 basis=3 org=1/1/2024 first=1/2/2024",
        "force=1 pv=200000 n=360 rate=7 io=24 usrule=1 adjust=2",
        "force=1 pv=200000 n=360 rate=7 balloon=84",
        "force=1 pv=200000 n=360 rate=7 accel=1",
        "force=1 pv=200000 n=360 rate=7 accel=2",
        "force=1 pv=30000 n=48 rate=11 org=1/20/2024 first=2/1/2024 shortpaid=1",
    };
    for (const char* loan : loans) {
        AmortInputs in = ParseLoan(loan);
        TAmortSchedule schedule;
        CalculateSchedule(in, schedule, TestContext());
        ExpectCentExact(schedule, loan);
        if (in.AmortMthd == AmortMethod::RuleOf78s) {
            continue; // its rows are not recalculated
        }
        // Rows as a user edits them: an extra payment, a skipped payment, a new rate.
        schedule[3].ExtraPmt = 1234.56;
        schedule[5].Pmt = 0;
        schedule[9].Rate = schedule[9].AccrualRt = 9.125L;
        RecalculateSchedule(in, schedule, TestContext());
        ExpectCentExact(schedule, std::string(loan) + " recalculated");
        if (::testing::Test::HasFatalFailure()) {
            return;
        }
    }
}

// The rows of the 30-year loan, worked out by hand in cents: 100 000 at 6 % over 360 monthly
// payments pays 599.55 (the annuity formula), the first month's interest is 500.00, so the
// first balance is 99 900.45, and the eleventh row reaches 98 877.16.
TEST(CentExactSchedules, TheThirtyYearLoanAsWorkedOutInCents) {
    AmortInputs in = ParseLoan("force=1 pv=100000 n=360 rate=6 org=1/1/2024 first=2/1/2024");
    TAmortSchedule schedule;
    CalculateSchedule(in, schedule, TestContext());
    EXPECT_EQ(in.Pmt, 599.55);
    EXPECT_EQ(schedule[1].PrinBal, 99900.45);
    std::int64_t balance = 10000000; // cents
    for (int k = 1; k <= 11; ++k) {
        // Interest of a month: the balance x 0.005, to the nearest cent (halves up).
        const std::int64_t interest = (balance * 5 + 500) / 1000;
        balance += interest - 59955;
    }
    EXPECT_EQ(balance, 9887716);
    EXPECT_EQ(schedule[11].PrinBal, 98877.16);
}

} // namespace
} // namespace quarvex::amortization::testing
