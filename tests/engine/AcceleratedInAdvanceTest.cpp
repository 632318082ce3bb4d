#include "engine/coAccPmt.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quarvex::engine {
namespace {

constexpr std::uint8_t kArrears = 0;
constexpr std::uint8_t kAdvance = 1;

coAccPmt Accelerated(double pv, std::int16_t n, float rate, std::int16_t after, double extra,
                     std::uint8_t timing, std::uint8_t method = 0) {
    coAccPmt loan;
    loan.Init(pv, n, rate, after, extra, 12, 12, timing, method);
    loan.Calculate();
    return loan;
}

// The annuity-due payment PMT(i, n, -PV, 0, 1) = PV x i / ((1 - (1 + i)^-n) x (1 + i)), to the
// cent: what a loan paid in advance pays each period.
double AnnuityDuePayment(double pv, int n, double i) {
    const double payment = pv * i / ((1 - std::pow(1 + i, -n)) * (1 + i));
    return std::round(payment * 100) / 100;
}

TEST(coAccPmtInAdvance, WithoutExtraPaymentsTheLoanRunsItsTerm) {
    // Extra payments that would start after the last period change nothing: the loan runs
    // its whole term and saves only what the payment's rounding to the cent leaves over
    // (7.18 on 100 000 over 360 months, as -6.87 in arrears; 0.18 on 10 000 over 36).
    struct Case {
        double pv;
        std::int16_t n;
        float rate;
        double within;
    };
    for (const Case& c :
         {Case{100000, 360, 8, 7.5}, Case{10000, 36, 10, 0.25}, Case{10000, 12, 12, 0.05}}) {
        for (const std::uint8_t timing : {kArrears, kAdvance}) {
            const coAccPmt loan = Accelerated(c.pv, c.n, c.rate, c.n + 40, 100, timing);
            EXPECT_EQ(loan.NewNumPmts, c.n) << c.pv << " timing " << int(timing);
            EXPECT_NEAR(loan.IntSaved, 0, c.within) << c.pv << " timing " << int(timing);
        }
    }
}

TEST(coAccPmtInAdvance, ExtraPaymentsShortenTheAnnuityDue) {
    // 100 000 at 8 % over 360 months in advance pays 728.91 (PMT(8%/12, 360, -100000, 0, 1));
    // with 100 more from the first payment NPER(8%/12, -828.91, 100000, 0, 1) = 241.43, so
    // the 242nd payment ends the loan. The interest saved is the cent-rounded schedule
    // worked outside the program.
    EXPECT_EQ(AnnuityDuePayment(100000, 360, 0.08 / 12), 728.91);
    const coAccPmt loan = Accelerated(100000, 360, 8, 1, 100, kAdvance);
    EXPECT_EQ(loan.NewNumPmts, 242);
    EXPECT_NEAR(loan.IntSaved, 62286.39, 0.005);
}

TEST(coAccPmtInAdvance, AFirstPaymentThatEndsTheLoanEndsTheCount) {
    // One payment in advance is the whole amount, paid at once: one period, nothing saved.
    for (const std::uint8_t method : {0, 1, 2, 4}) {
        const coAccPmt loan = Accelerated(10000, 1, 10, 1, 25, kAdvance, method);
        EXPECT_EQ(loan.NewNumPmts, 1) << "method " << int(method);
        EXPECT_NEAR(loan.IntSaved, 0, 0.005) << "method " << int(method);
    }
}

} // namespace
} // namespace quarvex::engine
