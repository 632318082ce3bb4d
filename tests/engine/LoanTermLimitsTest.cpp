#include "engine/FinanceErrors.h"
#include "engine/TCalcTerm.h"
#include "engine/coLoan.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quarvex::engine {
namespace {

constexpr std::uint8_t kNormal = 0;
constexpr std::uint8_t kFixedPrincipal = 2;

// A term question of the Loan calculator: amount, annual rate, payments (and compounding
// periods) per year, payment, method; the code it must be refused with.
struct TermCase {
    const char* what;
    double pv;
    float rate;
    std::uint16_t perYear;
    double pmt;
    std::uint8_t method;
    int code;
};

TEST(coLoanTerm, RefusesATermItCannotCountWithTheTrueCause) {
    const TermCase cases[] = {
        // 1 % of 12 000 is 120 a month: the balance never moves. In single precision the
        // rate times the amount is 119.99999776, a hair below the payment.
        {"payment equal to the interest", 12000, 12, 12, 120, kNormal, kFinInfiniteTerm},
        {"payment a third of a cent above", 12000, 12, 12, 120.003, kNormal, kFinInfiniteTerm},
        {"fixed principal, equal", 12000, 12, 12, 120, kFixedPrincipal, kFinInfiniteTerm},
        // 1 % a year on 1 000 000 000 is 27 397.26 a day: 27 398 pays it off only after
        // ln(27398 / 0.74) / ln(1 + 0.01 / 365), about 384 000 days.
        {"daily, 74 cents above", 1e9, 1, 365, 27398, kNormal, kFinTermTooLong},
        // 10 000 / (100.01 - 100) = 1 000 000 payments of principal.
        {"fixed principal, a cent above", 10000, 12, 12, 100.01, kFixedPrincipal, kFinTermTooLong},
        // 0.01 % a period: NPER(0.0001, 1.01, -10000) is about 46 000.
        {"a cent above a dollar", 10000, 0.12f, 12, 1.01, kNormal, kFinTermTooLong},
        // NPER(1%, -1000, 1) = 0.001: no payment at all, to the nearest whole one.
        {"a payment a thousand times the amount", 1, 12, 12, 1000, kNormal, kFinPaymentOverAmount},
        {"fixed principal, twice the amount", 100, 12, 12, 250, kFixedPrincipal,
         kFinPaymentOverAmount},
    };
    for (const TermCase& c : cases) {
        coLoan loan;
        loan.Init(c.pv, 0, c.rate, c.pmt, c.perYear, c.perYear, 0, c.method);
        loan.Interest = 5; // a previous answer
        try {
            loan.Calculate();
            ADD_FAILURE() << c.what << ": term " << loan.NumPmts << " was stored";
        } catch (const EFinance& error) {
            EXPECT_EQ(error.Code(), c.code) << c.what;
            EXPECT_EQ(error.Message(), FinanceErrorMessage(c.code)) << c.what;
        }
        EXPECT_EQ(loan.NumPmts, 0) << c.what;
        EXPECT_EQ(loan.Interest, 0) << c.what;
    }
    EXPECT_EQ(FinanceErrorMessage(kFinTermTooLong), "The term exceeds 32,767 payments.");
}

TEST(coLoanTerm, HalfACentAboveTheInterestIsAFiniteTerm) {
    // 10 000 at 1 % a period with 100.50: NPER(1%, -100.5, 10000) = 532.98.
    coLoan loan;
    loan.Init(10000, 0, 12, 100.5, 12, 12, 0, kNormal);
    loan.Calculate();
    EXPECT_EQ(loan.NumPmts, 533);
    const TCalcTerm solver;
    // NPER(1%, -100.006, 10000) = 976.975: six tenths of a cent above is a term.
    EXPECT_NEAR(solver.Term(AmortMethod::Normal, 10000, 0.01, 100.006), 976.975, 0.001);
}

TEST(coLoanTerm, AnAmountLentOutMirrorsTheLoan) {
    // Money lent out: the same 36 payments as 10 000 at 10 % repaid by 322.67.
    coLoan lent;
    lent.Init(-10000, 0, 10, -322.67, 12, 12, 0, kNormal);
    lent.Calculate();
    EXPECT_EQ(lent.NumPmts, 36);
    // A payment of the other sign only adds to the debt: never a negative count.
    for (const bool advance : {false, true}) {
        coLoan growing;
        growing.Init(-1000, 0, 12, 100, 12, 12, advance ? 1 : 0, kNormal);
        try {
            growing.Calculate();
            ADD_FAILURE() << "term " << growing.NumPmts << " was stored";
        } catch (const EFinance& error) {
            EXPECT_EQ(error.Code(), kFinInfiniteTerm);
        }
        EXPECT_EQ(growing.NumPmts, 0);
    }
}

TEST(coLoanTerm, AnInterestTooLargeToHoldIsRefusedAndNothingStored) {
    // 30 000 payments of 1e306 at 1 % are worth 1e308; together they exceed any double.
    coLoan loan;
    loan.Init(0, 30000, 12, 1e306, 12, 12, 0, kNormal);
    try {
        loan.Calculate();
        ADD_FAILURE() << "interest " << loan.Interest << " was stored";
    } catch (const EFinance& error) {
        EXPECT_EQ(error.Code(), kFinOutOfRange);
    }
    EXPECT_EQ(loan.PV, 0);
    EXPECT_TRUE(std::isfinite(loan.Interest));
}

} // namespace
} // namespace quarvex::engine
