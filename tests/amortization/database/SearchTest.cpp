#include "AmortDbTestSupport.h"

#include "amortization/database/AccountList.h"
#include "amortization/database/LoanList.h"

namespace quarvex::amortization::database {
namespace {

using namespace testing;

class AccountSearchTest : public DatabaseTest {
protected:
    void SetUp() override {
        Add("John", "Smith", "Boston", "MA", "123-45-6789");
        Add("Ann", "O\"Neil", "Austin", "TX", "987-65-4321");
        Add("Émile", "Zola", "Paris", "", "");
        Add("Bob", "Smithers", "Albany", "NY", "555-11-2222");
    }
    void Add(const std::string& first, const std::string& last, const std::string& city,
             const std::string& state, const std::string& ssn) {
        TAccountRec account;
        account.FirstName = first;
        account.LastName = last;
        account.City = city;
        account.State = state;
        account.SSNumber = ssn;
        Db().AddAccount(account);
    }
    std::string CurrentLast(AccountList& list) {
        const auto account = list.Current();
        return account ? account->LastName : "<none>";
    }
};

TEST_F(AccountSearchTest, EachColumnFindsTheFirstAccountItBeginsWith) {
    AccountList list(Db());
    EXPECT_EQ(list.Order(), AccountColumn::LastName);
    struct Case {
        AccountColumn column;
        std::string text;
        std::string lastName; // "" when nothing is found
    };
    const std::vector<Case> cases = {
        {AccountColumn::LastName, "smi", "Smith"},
        {AccountColumn::LastName, "SMITHE", "Smithers"},
        {AccountColumn::LastName, "o\"n", "O\"Neil"},
        {AccountColumn::LastName, "zo", "Zola"},
        {AccountColumn::LastName, "smiths", ""},
        {AccountColumn::FirstName, "ém", "Zola"},
        {AccountColumn::FirstName, "b", "Smithers"},
        {AccountColumn::City, "a", "Smithers"}, // Albany before Austin
        {AccountColumn::City, "au", "O\"Neil"},
        {AccountColumn::State, "tx", "O\"Neil"},
        {AccountColumn::SSNumber, "555-", "Smithers"},
        {AccountColumn::AccountNo, "smijoh", "Smith"},
        {AccountColumn::AccountNo, "ZOL", "Zola"},
        {AccountColumn::LastName, "\xF0\x9F\x98\x80", ""}, // no account can hold the character
    };
    for (const Case& c : cases) {
        list.SetOrder(c.column);
        list.First();
        list.Next(); // somewhere else first: a search starts from the top
        const std::string was = CurrentLast(list);
        const bool found = list.Search(c.text);
        EXPECT_EQ(found, !c.lastName.empty()) << c.text;
        EXPECT_EQ(CurrentLast(list), found ? c.lastName : was) << c.text;
    }
}

TEST_F(AccountSearchTest, AnEmptyTextGoesToTheFirstAccountOfTheOrder) {
    AccountList list(Db(), AccountColumn::City);
    EXPECT_TRUE(list.Search(""));
    EXPECT_EQ(list.Current()->City, "Albany");
    std::vector<std::string> order;
    for (bool more = list.First(); more; more = list.Next()) {
        order.push_back(list.Current()->LastName);
    }
    EXPECT_EQ(order, (std::vector<std::string>{"Smithers", "O\"Neil", "Smith", "Zola"}));
    ASSERT_TRUE(list.GoTo("smijoh001"));
    EXPECT_EQ(CurrentLast(list), "Smith");
    list.SetOrder(AccountColumn::LastName);
    EXPECT_EQ(CurrentLast(list), "Smith") << "switching the order keeps the account";
}

class LoanSearchTest : public DatabaseTest {
protected:
    void SetUp() override {
        const std::string account = NewAccount("John", "Smith");
        // Loans 1, 2, 10 and 11 in that order of saving.
        Save(account, "1", "pv=10000 org=1/15/2024 first=2/15/2024");
        Save(account, "2", "pv=25000.5 org=3/1/2024 first=4/1/2024");
        Save(account, "10", "pv=10000 org=6/30/2024 first=8/1/2024");
        Save(account, "11", "pv=7500 org=1/15/2024 first=3/1/2024");
    }
    void Save(const std::string& account, const std::string& number, const std::string& words) {
        const CalculatedLoan loan = Calculate(words);
        Db().SaveLoan(account, loan.Record(number), loan.schedule);
    }
    // The numbers a search and its Continues find.
    std::vector<std::string> Found(LoanSearchBy by, LoanComparison comparison,
                                   const std::string& text) {
        LoanList list(Db());
        std::vector<std::string> found;
        for (bool more = list.Search(by, comparison, text); more; more = list.Continue()) {
            found.push_back(list.Current()->LoanNo);
        }
        return found;
    }
};

TEST_F(LoanSearchTest, SearchAndContinueFindEveryMatchInTheOrderStored) {
    using S = std::vector<std::string>;
    struct Case {
        LoanSearchBy by;
        LoanComparison comparison;
        std::string text;
        S found;
    };
    const std::vector<Case> cases = {
        {LoanSearchBy::LoanNo, LoanComparison::Equal, "1", S{"1"}},
        {LoanSearchBy::LoanNo, LoanComparison::Equal, " 10 ", S{"10"}},
        {LoanSearchBy::LoanNo, LoanComparison::Greater, "1", S{"2", "10", "11"}},
        {LoanSearchBy::LoanNo, LoanComparison::Less, "2", S{"1", "10", "11"}},
        {LoanSearchBy::LoanNo, LoanComparison::Equal, "1\" .OR. \"", S{}},
        {LoanSearchBy::OrigDate, LoanComparison::Equal, "01/15/2024", S{"1", "11"}},
        {LoanSearchBy::OrigDate, LoanComparison::Equal, "1/15/24", S{"1", "11"}},
        {LoanSearchBy::OrigDate, LoanComparison::Greater, "3/1/2024", S{"10"}},
        {LoanSearchBy::OrigDate, LoanComparison::Less, "3/1/2024", S{"1", "11"}},
        {LoanSearchBy::Amount, LoanComparison::Equal, "10000", S{"1", "10"}},
        {LoanSearchBy::Amount, LoanComparison::Equal, "25000.50", S{"2"}},
        {LoanSearchBy::Amount, LoanComparison::Greater, "9999.99", S{"1", "2", "10"}},
        {LoanSearchBy::Amount, LoanComparison::Less, " 10000 ", S{"11"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Found(c.by, c.comparison, c.text), c.found)
            << kLoanSearchByList[static_cast<int>(c.by)]
            << kLoanComparisonList[static_cast<int>(c.comparison)] << " '" << c.text << "'";
    }
}

// The texts went into dBASE expressions: a quote broke them, and the amount was spliced in
// raw. A date or amount that does not parse shows "Error".
TEST_F(LoanSearchTest, ATextThatIsNoDateOrAmountShowsError) {
    const std::vector<std::pair<LoanSearchBy, std::string>> bad = {
        {LoanSearchBy::OrigDate, "tomorrow"},
        {LoanSearchBy::OrigDate, "2/30/2024"},
        {LoanSearchBy::OrigDate, "13/01/2024"},
        {LoanSearchBy::OrigDate, "1/1/202"},
        {LoanSearchBy::OrigDate, ""},
        {LoanSearchBy::Amount, "10000 .OR. .T."},
        {LoanSearchBy::Amount, "1,000"},
        {LoanSearchBy::Amount, "1e5"},
        {LoanSearchBy::Amount, ""},
        {LoanSearchBy::Amount, "$5"}};
    LoanList list(Db());
    for (const auto& [by, text] : bad) {
        try {
            list.Search(by, LoanComparison::Equal, text);
            ADD_FAILURE() << "searched with '" << text << "'";
        } catch (const ELoanSearch& error) {
            EXPECT_EQ(error.Message(), "Error");
        }
    }
}

TEST_F(LoanSearchTest, ContinueNeedsASearchAndAFailedSearchDoesNotMove) {
    LoanList list(Db());
    EXPECT_FALSE(list.Continue());
    ASSERT_TRUE(list.Search(LoanSearchBy::LoanNo, LoanComparison::Equal, "2"));
    EXPECT_FALSE(list.Search(LoanSearchBy::LoanNo, LoanComparison::Equal, "3"));
    EXPECT_EQ(list.Current()->LoanNo, "2");
    list.ForgetSearch();
    EXPECT_FALSE(list.Continue());
    EXPECT_EQ(list.Current()->LoanNo, "2");
    const auto loan = list.Current();
    EXPECT_EQ(loan->PV, 25000.5);
    EXPECT_EQ(loan->OrgDate, Day(2024, 3, 1));
    EXPECT_EQ(loan->NumPmts, 12);
}

} // namespace
} // namespace quarvex::amortization::database
