#include "AmortDbTestSupport.h"

#include "amortization/database/EAmortDB.h"
#include "framework/codec/CodecErrors.h"

#include <cmath>

namespace quarvex::amortization::database {
namespace {

using namespace testing;

// Every stored field of a row, and the running totals; rates keep a double's digits.
void ExpectSameStoredRow(const TTransRec& got, const TTransRec& want, std::size_t index) {
    SCOPED_TRACE("row " + std::to_string(index));
    EXPECT_EQ(got.NumYears, std::abs(want.NumYears));
    EXPECT_EQ(got.TransDate, want.TransDate);
    EXPECT_EQ(got.TransNo, want.TransNo);
    EXPECT_EQ(got.PmtNo, want.PmtNo);
    EXPECT_EQ(got.PmtNoYr, want.PmtNoYr);
    EXPECT_EQ(got.DueDate, want.DueDate);
    EXPECT_EQ(got.CalcDueDt, want.CalcDueDt);
    EXPECT_EQ(got.PenaltyDt, want.PenaltyDt);
    EXPECT_EQ(got.CalcPenDt, want.CalcPenDt);
    EXPECT_EQ(got.Pmt, want.Pmt);
    EXPECT_EQ(got.CalcPmt, want.CalcPmt);
    EXPECT_EQ(got.PmtTrans, want.PmtTrans);
    EXPECT_EQ(got.ExtraPmt, want.ExtraPmt);
    EXPECT_EQ(got.Advance, want.Advance);
    EXPECT_EQ(got.Principal, want.Principal);
    EXPECT_EQ(got.CalcPrin, want.CalcPrin);
    EXPECT_EQ(got.Interest, want.Interest);
    EXPECT_EQ(got.AccruedInt, want.AccruedInt);
    EXPECT_EQ(got.IntTrans, want.IntTrans);
    EXPECT_EQ(got.PrinBal, want.PrinBal);
    EXPECT_EQ(got.DaysLate, want.DaysLate);
    EXPECT_EQ(got.DaysSince, want.DaysSince);
    EXPECT_EQ(got.PerSince, want.PerSince);
    EXPECT_EQ(static_cast<double>(got.Rate), static_cast<double>(want.Rate));
    EXPECT_EQ(got.RateChng, want.RateChng);
    EXPECT_EQ(static_cast<double>(got.AccrualRt), static_cast<double>(want.AccrualRt));
    EXPECT_EQ(static_cast<double>(got.AccPerRt), static_cast<double>(want.AccPerRt));
    EXPECT_EQ(static_cast<double>(got.AccDlyRt), static_cast<double>(want.AccDlyRt));
    EXPECT_EQ(got.AccRtChng, want.AccRtChng);
    EXPECT_EQ(got.MinPmtDue, want.MinPmtDue);
    EXPECT_EQ(got.Escrow, want.Escrow);
    EXPECT_EQ(got.LatePenal, want.LatePenal);
    EXPECT_EQ(got.CalcLatePn, want.CalcLatePn);
    EXPECT_EQ(got.Other, want.Other);
    // Not stored, but worked out again from the rows' amounts.
    EXPECT_EQ(got.RunningPmt, want.RunningPmt);
    EXPECT_EQ(got.RunningExtraPmt, want.RunningExtraPmt);
    EXPECT_EQ(got.RunningPrincipal, want.RunningPrincipal);
    EXPECT_EQ(got.RunningInt, want.RunningInt);
    EXPECT_EQ(got.RunningAccruedInt, want.RunningAccruedInt);
    EXPECT_EQ(got.PmtFreq, want.PmtFreq);
    EXPECT_EQ(got.CmpFreq, want.CmpFreq);
    EXPECT_EQ(got.Actual, want.Actual);
    EXPECT_EQ(got.TransType, want.TransType);
    EXPECT_EQ(got.UserID, want.UserID);
    EXPECT_EQ(got.ClientRef, want.ClientRef);
    EXPECT_EQ(got.Comment, want.Comment);
}

class SaveLoadTest : public DatabaseTest {
protected:
    void SetUp() override { account_ = NewAccount("John", "Smith"); }
    std::string account_;
};

TEST_F(SaveLoadTest, TheFirstLoansAreNumberedOneThenTwo) {
    EXPECT_EQ(Db().NewLoanNumber(), "1");
    EXPECT_EQ(Db().NewLoanNumber(), "2");
    Reopen();
    EXPECT_EQ(Db().CreateLoan(account_, Calculate("").Record()), "3");
}

// The counter can be behind the loans (copied folders, numbers typed in); a number some loan
// already has is never issued again.
TEST_F(SaveLoadTest, NewNumbersPassOverNumbersInUse) {
    const CalculatedLoan loan = Calculate("");
    Db().SaveLoan(account_, loan.Record("1"), loan.schedule);
    Db().SaveLoan(account_, loan.Record("2"), loan.schedule);
    EXPECT_EQ(Db().NewLoanNumber(), "3");
}

TEST_F(SaveLoadTest, NewLoanRecordHoldsAmountPaymentsAndPointsAndIsLinked) {
    const CalculatedLoan calculated = Calculate("pv=25000 n=48 points=1.5");
    const std::string number = Db().CreateLoan(account_, calculated.Record());
    const auto links = Db().LinksOf(account_);
    ASSERT_EQ(links.size(), 1u);
    EXPECT_EQ(links[0].LoanNo, number);
    EXPECT_TRUE(links[0].LoanFound);
    EXPECT_EQ(links[0].Principal, 25000);
    EXPECT_EQ(links[0].NumPmts, 48);
    const LoadedLoan loaded = Db().LoadLoan(number);
    EXPECT_EQ(loaded.loan.Points, 1.5f);
    EXPECT_TRUE(loaded.schedule.Records().empty());
}

TEST_F(SaveLoadTest, LoadRestoresEveryFieldAndEverySettingAsSaved) {
    const CalculatedLoan calculated = Calculate(
        "pv=150000 n=360 rate=6.375 points=1.25 pointspaid=3 org=3/17/2024 first=5/1/2024 "
        "basis=4 oddpaid=2 oddcalc=5 shortpaid=2 adjust=2 weekend=2 eom=0 io=6 balloon=84 "
        "force=1 afterzero=1 optimize=0",
        495.5);
    TLoanRec saved = calculated.Record("1");
    saved.USRule = true; // stored and restored as given, whatever the calculation made of it
    saved.TwiceMonthly = 7;
    Db().SaveLoan(account_, saved, calculated.schedule);
    Reopen();
    const LoadedLoan loaded = Db().LoadLoan("1");
    EXPECT_EQ(loaded.loan, saved);
    ASSERT_EQ(loaded.schedule.Records().size(), calculated.schedule.Records().size());
    for (std::size_t i = 0; i < loaded.schedule.Records().size(); ++i) {
        ExpectSameStoredRow(loaded.schedule[i], calculated.schedule[i], i);
    }

    LoanCalculation restored;
    restored.YearEnding = 6;
    ApplyLoanRec(loaded.loan, restored);
    EXPECT_EQ(restored.inputs.Settings.USRule, true);
    EXPECT_EQ(restored.inputs.Settings.TwiceMonthly, 7);
    EXPECT_EQ(restored.inputs.OrgDate, Day(2024, 3, 17));
    EXPECT_EQ(restored.inputs.FirstPmtDate, Day(2024, 5, 1));
    EXPECT_EQ(restored.inputs.BalloonPeriod, 84);
    EXPECT_EQ(restored.inputs.IntOnlyPmts, 6);
    EXPECT_EQ(restored.OneTimeFees, 495.5);
    EXPECT_EQ(restored.YearEnding, 6) << "a loan record has no year ending";
    EXPECT_TRUE(restored.inputs.ForcePmtCalc);
    EXPECT_TRUE(restored.inputs.RecalcPmtAfterZero);
    EXPECT_FALSE(restored.inputs.OptimizePmts);
}

// The calculator's Load: the record back into its inputs, the rows as its schedule, then a
// recalculation that rebuilds running totals and results; it gives the balances saved.
TEST_F(SaveLoadTest, ARecalculationOfALoadedLoanReproducesTheSavedBalances) {
    const std::vector<std::string> loans = {
        "pv=200000 n=360 rate=7.25 org=1/15/2024 first=3/1/2024",
        "pv=18000 n=60 rate=9.9 period=2 org=2/3/2024 first=2/17/2024 basis=3",
        "pv=50000 n=120 rate=5 method=2 points=2 pointspaid=3 org=4/1/2024 first=5/1/2024",
        "pv=9000 n=36 rate=12 io=6 balloon=24 org=1/1/2024 first=2/1/2024 optimize=1"};
    int number = 0;
    for (const std::string& words : loans) {
        SCOPED_TRACE(words);
        CalculatedLoan calculated = Calculate(words);
        // An edited row, as the editing dialogs leave them: an extra payment.
        calculated.schedule[5].ExtraPmt = 1000;
        RecalculateSchedule(calculated.calculation.inputs, calculated.schedule, TestContext());
        const std::string loanNo = std::to_string(++number);
        Db().SaveLoan(account_, calculated.Record(loanNo), calculated.schedule);

        const LoadedLoan loaded = Open()->LoadLoan(loanNo);
        LoanCalculation calculator;
        ApplyLoanRec(loaded.loan, calculator);
        TAmortSchedule rows = loaded.schedule;
        RecalculateSchedule(calculator.inputs, rows, TestContext());
        ASSERT_EQ(rows.Count(), calculated.schedule.Count());
        for (int i = 0; i < rows.Count(); ++i) {
            ASSERT_NEAR(rows[i].PrinBal, calculated.schedule[i].PrinBal, 1e-6) << "row " << i;
            ASSERT_NEAR(rows[i].RunningInt, calculated.schedule[i].RunningInt, 1e-6) << "row " << i;
        }
    }
}

TEST_F(SaveLoadTest, SavingAgainReplacesAllRowsAndKeepsThePropertyFields) {
    const CalculatedLoan longer = Calculate("n=24");
    const CalculatedLoan shorter = Calculate("n=6 pv=3000");
    Db().SaveLoan(account_, longer.Record("1"), longer.schedule);
    TLoanProperties properties;
    properties.Collateral = "1998 Ford Taurus";
    properties.PropCity = "Springfield";
    Db().UpdateLoanProperties("1", properties);

    Db().SaveLoan(account_, shorter.Record("1"), shorter.schedule);
    const LoadedLoan loaded = Db().LoadLoan("1");
    EXPECT_EQ(loaded.loan.PV, 3000);
    ASSERT_EQ(loaded.schedule.Count(), 7);
    for (int i = 0; i < loaded.schedule.Count(); ++i) {
        EXPECT_EQ(loaded.schedule[i].TransNo, i) << "rows in the order written, row 0 first";
    }
    EXPECT_EQ(Db().LoanProperties("1"), properties);
    EXPECT_EQ(Db().LinksOf(account_).size(), 1u) << "saving again makes no second link";
    // 25 rows deleted, 7 live.
    EXPECT_EQ(Db().RowsTable().RecordCount(), 25u + 7u);
}

TEST_F(SaveLoadTest, SaveNewLoanNumbersSavesAndLinksInOneStep) {
    const CalculatedLoan loan = Calculate("n=12");
    EXPECT_EQ(Db().SaveNewLoan(account_, loan.Record(), loan.schedule), "1");
    EXPECT_EQ(Db().SaveNewLoan(account_, loan.Record(), loan.schedule), "2");
    EXPECT_EQ(Db().LoadLoan("2").schedule.Count(), 13);
    EXPECT_EQ(Db().LinksOf(account_).size(), 2u);
}

// Soft seeking with dBASE's "=" let loan "1" match the rows of loan "10": saving loan 1
// deleted them, loading it took them in.
TEST_F(SaveLoadTest, LoanOneNeverTouchesTheRowsOfLoanTen) {
    const CalculatedLoan ten = Calculate("n=10");
    const CalculatedLoan one = Calculate("n=1");
    Db().SaveLoan(account_, ten.Record("10"), ten.schedule);
    Db().SaveLoan(account_, one.Record("1"), one.schedule);
    Db().SaveLoan(account_, one.Record("1"), one.schedule);
    EXPECT_EQ(Db().LoadLoan("10").schedule.Count(), 11);
    EXPECT_EQ(Db().LoadLoan("1").schedule.Count(), 2);
    EXPECT_EQ(Db().LoadLoan(" 1 ").schedule.Count(), 2);
    Db().DeleteLoan("1");
    EXPECT_EQ(Db().LoadLoan("10").schedule.Count(), 11);
    EXPECT_EQ(Db().CountOtherLinks("x", "10"), 1);
}

TEST_F(SaveLoadTest, NumbersAreRequired) {
    const CalculatedLoan loan = Calculate("");
    struct Case {
        std::string account;
        std::string loanNo;
        int code;
        std::string message;
    };
    const std::vector<Case> cases = {{"", "1", kAccountNoRequired, "Account No MUST be given "},
                                     {"  ", "", kAccountNoRequired, "Account No MUST be given "},
                                     {account_, "", kLoanNoRequired, "Loan No MUST be given "},
                                     {account_, "   ", kLoanNoRequired, "Loan No MUST be given "},
                                     {"NOSUCH001", "1", kAccountNotFound, ""}};
    for (const Case& c : cases) {
        try {
            Db().SaveLoan(c.account, loan.Record(c.loanNo), loan.schedule);
            ADD_FAILURE() << "saved under account '" << c.account << "' loan '" << c.loanNo << "'";
        } catch (const EAmortDB& error) {
            EXPECT_EQ(error.Code(), c.code) << error.Message();
            if (!c.message.empty()) {
                EXPECT_EQ(error.Message(), c.message);
            }
        }
    }
    EXPECT_EQ(Db().LoansTable().RecordCount(), 0u);
    EXPECT_EQ(Db().RowsTable().RecordCount(), 0u);
    EXPECT_THROW(Db().LoadLoan(""), EAmortDB);
    try {
        Db().LoadLoan("42");
        ADD_FAILURE() << "loaded a loan that does not exist";
    } catch (const EAmortDB& error) {
        EXPECT_EQ(error.Code(), kLoanNotFound);
    }
}

// A failing row used to leave the loan record updated over a schedule cut short, and a
// transaction date that could not be stored was blanked. Every row is checked first now; a
// bad one changes nothing.
TEST_F(SaveLoadTest, ARowThatCannotBeStoredLeavesTheOldLoanWhole) {
    const CalculatedLoan old = Calculate("n=12");
    Db().SaveLoan(account_, old.Record("1"), old.schedule);
    const auto before = Db().LoadLoan("1");

    struct Case {
        std::string what;
        std::function<void(TTransRec&)> spoil;
        int code; // 0: codec::ENotStorable
    };
    const std::vector<Case> cases = {
        {"due date", [](TTransRec& row) { row.DueDate = dates::kNoDate; }, kInvalidDueDate},
        {"penalty date", [](TTransRec& row) { row.PenaltyDt = dates::kLastDay + 1; },
         kInvalidPenaltyDate},
        {"transaction date", [](TTransRec& row) { row.TransDate = dates::kNoDate; },
         kInvalidTransDate},
        {"comment", [](TTransRec& row) { row.Comment = std::string(25, 'x'); }, 0},
        {"amount", [](TTransRec& row) { row.Interest = std::nan(""); }, 0},
        {"rate", [](TTransRec& row) { row.AccrualRt = HUGE_VALL; }, 0},
    };
    for (const Case& c : cases) {
        CalculatedLoan changed = Calculate("n=36 pv=40000");
        c.spoil(changed.schedule[30]);
        try {
            Db().SaveLoan(account_, changed.Record("1"), changed.schedule);
            ADD_FAILURE() << "saved a row with a bad " << c.what;
        } catch (const EAmortDB& error) {
            EXPECT_EQ(error.Code(), c.code) << c.what << ": " << error.Message();
        } catch (const codec::ENotStorable& error) {
            EXPECT_EQ(c.code, 0) << c.what << ": " << error.Message();
        }
        Reopen();
        const auto after = Db().LoadLoan("1");
        EXPECT_EQ(after.loan, before.loan) << c.what;
        EXPECT_EQ(after.schedule.Count(), before.schedule.Count()) << c.what;
    }
    EXPECT_EQ(AmortDBErrorMessage(kInvalidDueDate), "Invalid Due date ");
    EXPECT_EQ(AmortDBErrorMessage(kInvalidPenaltyDate), "Invalid Penalty date ");
    EXPECT_EQ(AmortDBErrorMessage(999), "Unknown Error ");
}

TEST_F(SaveLoadTest, AStoredLoanWithAValueNoCalculationTakesIsRefusedOnApply) {
    const CalculatedLoan calculated = Calculate("");
    struct Case {
        std::string what;
        std::function<void(TLoanRec&)> spoil;
    };
    const std::vector<Case> cases = {
        {"frequency 0",
         [](TLoanRec& l) {
             l.PYR = 0;
         }},
        {"frequency 11",
         [](TLoanRec& l) {
             l.PYR = 11;
         }},
        {"compounding 12",
         [](TLoanRec& l) {
             l.CmpPYR = 12;
         }},
        {"method 6",
         [](TLoanRec& l) {
             l.AmortMthd = 6;
         }},
        {"basis 5",
         [](TLoanRec& l) {
             l.RateBasis = 5;
         }},
        {"odd days calc 6",
         [](TLoanRec& l) {
             l.LongInterestCalcMthd = 6;
         }},
        {"twice monthly 13",
         [](TLoanRec& l) {
             l.TwiceMonthly = 13;
         }},
        {"balloon -1",
         [](TLoanRec& l) {
             l.BalloonPeriod = -1;
         }},
        {"no origination date",
         [](TLoanRec& l) {
             l.OrgDate = dates::kNoDate;
         }},
    };
    for (const Case& c : cases) {
        TLoanRec loan = calculated.Record("5");
        c.spoil(loan);
        LoanCalculation calculator;
        calculator.inputs.PV = 1;
        const LoanCalculation untouched = calculator;
        EXPECT_THROW(ApplyLoanRec(loan, calculator), EAmortDB) << c.what;
        EXPECT_EQ(calculator.inputs.PV, untouched.inputs.PV) << c.what;
        EXPECT_EQ(calculator.inputs.PaymentPeriod, untouched.inputs.PaymentPeriod) << c.what;
    }
}

} // namespace
} // namespace quarvex::amortization::database
