#include "DbaseTestSupport.h"

#include "framework/codec/CodecErrors.h"
#include "platform/dbase/DbaseErrors.h"

#include <gtest/gtest.h>

namespace quarvex::dbase {
namespace {

using namespace testing;

class QueryTest : public ::testing::Test {
protected:
    QueryTest() : database_(folder_.Path()), loans_(database_.Open("Loans.dbf", LoanSchema())) {
        struct Loan {
            const char* number;
            double amount;
            std::optional<Date> originated;
        };
        const std::vector<Loan> loans = {
            {"10", 5000, Date{2023, 6, 1}},    {"1", 250000, Date{2021, 1, 15}},
            {"2", 12000.5, std::nullopt},      {"11", 800, Date{2024, 2, 29}},
            {"3", 250000, Date{2022, 12, 31}},
        };
        AppendRecords(database_, loans_, static_cast<int>(loans.size()),
                      [&](Record& record, int index) {
                          record.SetText("LOANNO", loans[index].number);
                          record.SetNumber("PV", loans[index].amount);
                          record.SetDate("ORGDATE", loans[index].originated);
                          record.SetLogical("USRULE", index % 2 == 0);
                      });
    }

    // Every loan number the query finds, by Find then Continue.
    std::vector<std::string> FindAll(Cursor& cursor, const Query& query) {
        std::vector<std::string> found;
        for (bool more = cursor.Find(query); more; more = cursor.Continue()) {
            found.push_back(cursor.Current().Text("LOANNO"));
        }
        return found;
    }

    quarvex::testing::TempDirectory folder_;
    Database database_;
    Table& loans_;
};

TEST_F(QueryTest, FindAndContinueWalkTheMatchesInTheCursorsOrder) {
    Cursor byNumber(loans_, "LOANNO");
    Cursor inOrder(loans_);
    const Query large("PV", Comparison::Greater, 1000.0);
    EXPECT_EQ(FindAll(byNumber, large), (std::vector<std::string>{"1", "10", "2", "3"}));
    EXPECT_EQ(FindAll(inOrder, large), (std::vector<std::string>{"10", "1", "2", "3"}));
    EXPECT_EQ(FindAll(inOrder, Query("PV", Comparison::Equal, 250000.0)),
              (std::vector<std::string>{"1", "3"}));
    EXPECT_EQ(FindAll(inOrder, Query("PV", Comparison::LessOrEqual, 800.0)),
              (std::vector<std::string>{"11"}));
}

TEST_F(QueryTest, TextsAreExactUnlessAPrefixIsAskedFor) {
    Cursor cursor(loans_, "LOANNO");
    EXPECT_EQ(FindAll(cursor, Query("LOANNO", Comparison::Equal, std::string("1"))),
              (std::vector<std::string>{"1"}));
    EXPECT_EQ(FindAll(cursor, Query("LOANNO", Comparison::StartsWith, std::string("1"))),
              (std::vector<std::string>{"1", "10", "11"}));
    EXPECT_EQ(FindAll(cursor, Query("LOANNO", Comparison::Greater, std::string("10"))),
              (std::vector<std::string>{"11", "2", "3"}));
    EXPECT_EQ(FindAll(cursor, Query("LOANNO", Comparison::Less, std::string("10 "))),
              (std::vector<std::string>{"1"}));
}

TEST_F(QueryTest, DatesCompareAsDatesAndEmptyValuesMatchOnlyEmptiness) {
    Cursor cursor(loans_, "LOANNO");
    EXPECT_EQ(FindAll(cursor, Query("ORGDATE", Comparison::Less, Date{2023, 1, 1})),
              (std::vector<std::string>{"1", "3"}));
    EXPECT_EQ(FindAll(cursor, Query("ORGDATE", Comparison::Equal, std::monostate{})),
              (std::vector<std::string>{"2"}));
    EXPECT_EQ(FindAll(cursor, Query("ORGDATE", Comparison::NotEqual, std::monostate{})).size(), 4u);
    EXPECT_EQ(FindAll(cursor, Query("ORGDATE", Comparison::GreaterOrEqual, Date{2024, 2, 29})
                                  .And("USRULE", Comparison::Equal, true)),
              (std::vector<std::string>{}));
    EXPECT_EQ(
        FindAll(cursor,
                Query("PV", Comparison::Greater, 1000.0).And("USRULE", Comparison::Equal, true)),
        (std::vector<std::string>{"10", "2", "3"}));
}

TEST_F(QueryTest, AFailedSearchLeavesTheCursorWhereItWas) {
    Cursor cursor(loans_, "LOANNO");
    ASSERT_TRUE(cursor.Find(Query("PV", Comparison::Equal, 250000.0)));
    ASSERT_TRUE(cursor.Continue());
    EXPECT_EQ(cursor.Current().Text("LOANNO"), "3");
    EXPECT_FALSE(cursor.Continue());
    EXPECT_EQ(cursor.Current().Text("LOANNO"), "3");
    EXPECT_FALSE(cursor.Find(Query("PV", Comparison::Less, 0.0)));
    EXPECT_EQ(cursor.Current().Text("LOANNO"), "3");
}

TEST_F(QueryTest, QueriesThatCannotApplyAreRefused) {
    Cursor cursor(loans_);
    EXPECT_THROW(cursor.Find(Query("PV", Comparison::Equal, std::string("12"))), EInvalidRequest);
    EXPECT_THROW(cursor.Find(Query("ORGDATE", Comparison::Equal, 12.0)), EInvalidRequest);
    EXPECT_THROW(cursor.Find(Query("PV", Comparison::StartsWith, 1.0)), EInvalidRequest);
    EXPECT_THROW(cursor.Find(Query("USRULE", Comparison::Less, true)), EInvalidRequest);
    EXPECT_THROW(cursor.Find(Query("NOSUCH", Comparison::Equal, 1.0)), EInvalidRequest);
    EXPECT_THROW(cursor.Find(Query("PV", Comparison::Less, std::monostate{})), EInvalidRequest);
    EXPECT_THROW(cursor.Find(Query("LOANNO", Comparison::Equal, std::string("日本"))),
                 codec::ENotStorable);
    Cursor fresh(loans_);
    EXPECT_THROW(fresh.Continue(), EInvalidRequest);
}

} // namespace
} // namespace quarvex::dbase
