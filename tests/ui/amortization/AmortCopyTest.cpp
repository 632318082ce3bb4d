#include "AmortWindowFixture.h"

namespace quarvex::ui {
namespace {

using framework::Button;
using testing::AmortWindowFixture;
using TcbAmort = amortization::TcbAmort;

struct AmortCopyTest : AmortWindowFixture {};

TEST_F(AmortCopyTest, CopyPutsTheWholeScheduleOnTheClipboard) {
    TcalcAmort* window = Open();
    ASSERT_NE(window, nullptr);
    // 1 000 over three months at 12 %: PMT(1 %, 3, -1000) = 340.02.
    Enter(*window, "1000", "3", "12", "0", "04/01/2021", "05/01/2021");
    Calc(*window);
    ASSERT_TRUE(window->ResultsShown());
    QTest::mouseClick(window->ButtonOf(Button::Copy), Qt::LeftButton);
    // Worked by hand: interest 1 % of the balance before, to the cent (10.00, 6.70, 3.37);
    // the last payment takes the remaining 336.66 and its interest.
    const std::string expected = "Amortization Schedule 1\r\n"
                                 "\r\n"
                                 "Amount of Loan?:                    $1,000.00\t\tInitial "
                                 "Periods? (#):                       3\r\n"
                                 "Annual Rate? (%):                       12.00\t\tPeriodic "
                                 "Payment?:                    $340.02\r\n"
                                 "Origination Date?:                 04/01/2021 \t\t1st Payment "
                                 "Date?:                 05/01/2021 \r\n"
                                 "Payment Period?:                      Monthly\t\tCompounding "
                                 "Period?:                  Monthly\r\n"
                                 "Points? (%):                             0.00\t\tAmortizing "
                                 "Method?:                    Normal\r\n"
                                 "\r\n"
                                 "#/Yr \tDate    \tPayment             \tPrincipal           "
                                 "\tInterest            \tBalance             \r\n"
                                 "\r\n"
                                 "Init/1\t04/01/2021\t$0.00               \t$0.00               "
                                 "\t$0.00               \t$1,000.00           \r\n"
                                 "1/01 \t05/01/2021\t$340.02             \t$330.02             "
                                 "\t$10.00              \t$669.98             \r\n"
                                 "2/01 \t06/01/2021\t$340.02             \t$333.32             "
                                 "\t$6.70               \t$336.66             \r\n"
                                 "3/01 \t07/01/2021\t$340.03             \t$336.66             "
                                 "\t$3.37               \t$0.00               \r\n"
                                 "\r\n"
                                 "\r\n"
                                 "Rate Basis:                          Ordinary\t\tLoan "
                                 "Acceleration Method:     No Acceleration\r\n"
                                 "Points Are:                  With Origination\t\t&Twice monthly "
                                 "payment days:       1st & 15th\r\n"
                                 "Weekend Adjustment Method:      No Adjustment\t\tLast Period "
                                 "Adjusting Method: Increase Payment\r\n"
                                 "Apply US Rule:                             No\t\tLast Day of "
                                 "Month Adjustment:           Adjust\r\n"
                                 "Odd Days Interest Paid When: With Origination\t\tOdd Days "
                                 "Interest Calculation:     Compound 360\r\n"
                                 "Short Period Interest Paid How:  Reduce First\t\tShort Period "
                                 "Interest Calculation:    Simple 360\r\n"
                                 "Number of initial interest only periods:    0\t\tBalloon at "
                                 "Payment Number:                  0\r\n"
                                 "Total One Time Fees:                    $0.00\t\tForce Payment "
                                 "Calculation                 Yes\r\n"
                                 "Recalc Pmt After 0 Pmt                     No\t\tOptimize "
                                 "Payments                          No\r\n";
    EXPECT_EQ(context.fixture.clipboard.Last(), expected);
}

} // namespace
} // namespace quarvex::ui
