#include "AmortDbTestSupport.h"

#include "amortization/database/EAmortDB.h"

// Account and loan numbers are one line of text: every list of accounts and loans is written
// one per line, so a number holding a line break (or any other control character) would split
// its record over two lines. The database refuses them, whoever asks.
namespace quarvex::amortization::database {
namespace {

using namespace testing;

const char* const kBrokenNumbers[] = {"SMI\nJOH001", "SMI\rJOH001", "SMI\tJOH001", "SMI\x1b",
                                      "A\x7f"};

TEST_F(DatabaseTest, AccountNumbersWithControlCharactersAreRefused) {
    for (const char* number : kBrokenNumbers) {
        TAccountRec account;
        account.AccountNo = number;
        account.LastName = "Smith";
        try {
            Db().AddAccount(account);
            ADD_FAILURE() << "account " << number << " was added";
        } catch (const EAmortDB& error) {
            EXPECT_EQ(error.Code(), kControlCharacterInNumber);
            EXPECT_EQ(error.Message(), "The account number cannot hold a line break, a tab or "
                                       "another control character.");
        }
    }
    EXPECT_TRUE(Db().AllAccounts().empty());
    EXPECT_EQ(Db().AccountsTable().RecordCount(), 0u);

    // Blanks and tabs around a number are not part of it; letters beyond ASCII are letters.
    TAccountRec account;
    account.AccountNo = "\t  MÜLLER01 ";
    EXPECT_EQ(Db().AddAccount(account), "MÜLLER01");
}

TEST_F(DatabaseTest, LoanNumbersWithControlCharactersAreRefused) {
    const std::string account = NewAccount("John", "Smith");
    const CalculatedLoan loan = Calculate("n=12");
    for (const char* number : kBrokenNumbers) {
        try {
            Db().SaveLoan(account, loan.Record(number), loan.schedule);
            ADD_FAILURE() << "loan " << number << " was saved";
        } catch (const EAmortDB& error) {
            EXPECT_EQ(error.Code(), kControlCharacterInNumber);
            EXPECT_EQ(error.Message(), "The loan number cannot hold a line break, a tab or "
                                       "another control character.");
        }
    }
    EXPECT_EQ(Db().LoansTable().RecordCount(), 0u);
    EXPECT_EQ(Db().RowsTable().RecordCount(), 0u);
    EXPECT_TRUE(Db().LinksOf(account).empty());
}

} // namespace
} // namespace quarvex::amortization::database
