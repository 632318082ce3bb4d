#include "AmortDbTestSupport.h"

#include "amortization/database/DatabaseTexts.h"
#include "amortization/database/EAmortDB.h"

namespace quarvex::amortization::database {
namespace {

using namespace testing;

// John and Mary Smith share loan 1; John also has loan 2.
class LinksTest : public DatabaseTest {
protected:
    void SetUp() override {
        john_ = NewAccount("John", "Smith");
        mary_ = NewAccount("Mary", "Smith");
        const CalculatedLoan shared = Calculate("n=24");
        const CalculatedLoan own = Calculate("n=12 pv=5000");
        Db().SaveLoan(john_, shared.Record("1"), shared.schedule);
        Db().LinkLoan(mary_, "1");
        Db().SaveLoan(john_, own.Record("2"), own.schedule);
    }
    std::vector<std::string> LoansOf(const std::string& account) {
        std::vector<std::string> numbers;
        for (const LinkedLoan& link : Db().LinksOf(account)) {
            numbers.push_back(link.LoanNo);
        }
        return numbers;
    }
    std::string john_;
    std::string mary_;
};

TEST_F(LinksTest, LinksAreListedWithTheLoansValues) {
    EXPECT_EQ(LoansOf(john_), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(LoansOf(mary_), (std::vector<std::string>{"1"}));
    const LinkedLoan own = Db().LinksOf(john_)[1];
    EXPECT_TRUE(own.LoanFound);
    EXPECT_EQ(own.Principal, 5000);
    EXPECT_EQ(own.NumPmts, 12);
    EXPECT_EQ(own.Rate, 10);
    EXPECT_EQ(own.OrigDate, Day(2024, 1, 1));
    EXPECT_EQ(own.FirstPmtDt, Day(2024, 2, 1));
    EXPECT_NEAR(own.Pmt, 439.58, 0.005); // 5 000 at 10 % over 12 months
}

TEST_F(LinksTest, LinkingTwiceMakesOneLink) {
    Db().LinkLoan(mary_, "1");
    Db().LinkLoan(" smimar001 ", "1");
    EXPECT_EQ(LoansOf(mary_), (std::vector<std::string>{"1"}));
    EXPECT_THROW(Db().LinkLoan(mary_, "99"), EAmortDB);
    EXPECT_THROW(Db().LinkLoan("NOBODY", "1"), EAmortDB);
}

TEST_F(LinksTest, OtherLinksAreCountedPerLoan) {
    EXPECT_EQ(Db().CountOtherLinks(john_, "1"), 1);
    EXPECT_EQ(Db().CountOtherLinks(mary_, "1"), 1);
    EXPECT_EQ(Db().CountOtherLinks(john_, "2"), 0);
    EXPECT_EQ(DeleteLoanQuestion(1),
              "This loan has other links. Those will be lost.\rTo remove link from this "
              "account, please press \"Remove Linked Loan\"\rDelete this loan?");
    EXPECT_EQ(DeleteLoanQuestion(0), "Delete this loan?");
}

TEST_F(LinksTest, TheOnlyLinkOfALoanCannotBeRemoved) {
    EXPECT_FALSE(Db().RemoveLink(john_, "2"));
    EXPECT_EQ(LoansOf(john_), (std::vector<std::string>{"1", "2"}));
    EXPECT_TRUE(Db().RemoveLink(john_, "1"));
    EXPECT_EQ(LoansOf(john_), (std::vector<std::string>{"2"}));
    EXPECT_FALSE(Db().RemoveLink(mary_, "1")) << "now Mary's link is the loan's only one";
    EXPECT_EQ(Db().LoadLoan("1").schedule.Count(), 25);
}

TEST_F(LinksTest, DeletingASharedLoanRemovesBothLinksAndAllItsRows) {
    Db().DeleteLoan("1");
    EXPECT_EQ(LoansOf(john_), (std::vector<std::string>{"2"}));
    EXPECT_TRUE(LoansOf(mary_).empty());
    EXPECT_TRUE(Db().RowsTable().RecordsWithKey(kLoanNoTag, "1").empty());
    EXPECT_THROW(Db().LoadLoan("1"), EAmortDB);
    EXPECT_EQ(Db().LoadLoan("2").schedule.Count(), 13);
}

TEST_F(LinksTest, AnAccountWithLoansIsNotDeleted) {
    EXPECT_EQ(Db().DeleteAccount(mary_), AccountDeletion::HasLoans);
    EXPECT_TRUE(Db().FindAccount(mary_).has_value());
    ASSERT_TRUE(Db().RemoveLink(mary_, "1"));
    EXPECT_EQ(Db().DeleteAccount(mary_), AccountDeletion::Deleted);
    EXPECT_FALSE(Db().FindAccount(mary_).has_value());
    EXPECT_EQ(Db().DeleteAccount(mary_), AccountDeletion::NotFound);
}

TEST_F(LinksTest, ALinkWhoseLoanIsMissingShowsNoValues) {
    // Another program removed loan 2's record but left its link.
    auto change = Db().Tables().Begin();
    change.Delete(Db().LoansTable(), Db().LoansTable().RecordsWithKey(kLoanNoTag, "2").front());
    change.Commit();
    const auto links = Db().LinksOf(john_);
    ASSERT_EQ(links.size(), 2u);
    EXPECT_FALSE(links[1].LoanFound);
    EXPECT_EQ(links[1].Principal, 0);
    EXPECT_EQ(links[1].OrigDate, dates::kNoDate);
}

TEST_F(LinksTest, AccountDetailsGoBothWays) {
    framework::TAccountDetails details;
    details.firstName = "Ann";
    details.middleInitial = "Q";
    details.lastName = "Lee";
    details.city = "Tulsa";
    details.state = "OK";
    details.phoneExt = "1234567890";
    const std::string number = Db().CreateAccount(details);
    EXPECT_EQ(number, "LEEANN001");
    TAccountRec stored = *Db().FindAccount(number);
    EXPECT_EQ(stored.City, "Tulsa");
    EXPECT_EQ(stored.Phone2Ext, "1234567890");
    stored.Comment = "Prefers \"mail\"";
    Db().UpdateAccount(stored);
    framework::TAccountDetails chosen;
    CopyAccountToDetails(*Db().FindAccount("leeann001"), chosen);
    EXPECT_EQ(chosen.accountNo, "LEEANN001");
    EXPECT_EQ(chosen.lastName, "Lee");
    EXPECT_EQ(chosen.state, "OK");
    EXPECT_EQ(Db().FindAccount(number)->Comment, "Prefers \"mail\"");
    EXPECT_EQ(CreateAccountQuestion("Ann", "Lee"), "Create and account for Ann Lee");
}

} // namespace
} // namespace quarvex::amortization::database
