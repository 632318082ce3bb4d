#include "AmortDbTestSupport.h"

#include "amortization/database/AccountNumbering.h"
#include "amortization/database/EAmortDB.h"
#include "framework/codec/CodecErrors.h"

#include <numeric>

namespace quarvex::amortization::database {
namespace {

using namespace testing;

TEST_F(DatabaseTest, SmithsNamedJohnGetConsecutiveNumbers) {
    EXPECT_EQ(NewAccount("John", "Smith"), "SMIJOH001");
    EXPECT_EQ(NewAccount("John", "Smithers"), "SMIJOH002");
    EXPECT_EQ(NewAccount("Mary", "Smith"), "SMIMAR001");
    const auto stored = Db().FindAccount("smijoh002");
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->LastName, "Smithers");
    EXPECT_EQ(stored->RecordDate, Day(2024, 3, 1));
    EXPECT_EQ(stored->RecordTime, "14:05:09");
}

// Numbering by count gave the next account the number of a live one after a deletion.
TEST_F(DatabaseTest, ADeletedAccountDoesNotMakeTheNextNumberRepeatALiveOne) {
    NewAccount("John", "Smith");
    NewAccount("John", "Smithers");
    ASSERT_EQ(Db().DeleteAccount("SMIJOH001"), AccountDeletion::Deleted);
    EXPECT_EQ(NewAccount("Johnny", "Smithson"), "SMIJOH003");
    std::vector<std::string> numbers;
    for (const TAccountRec& account : Db().AllAccounts()) {
        numbers.push_back(account.AccountNo);
    }
    EXPECT_EQ(numbers, (std::vector<std::string>{"SMIJOH002", "SMIJOH003"}));
}

// A base of fewer than six characters was compared with the first six characters of every
// number, so "LIJOH001" never counted for "LIJOH" and the second Li got 001 again.
TEST_F(DatabaseTest, AShortBaseCountsItsOwnNumbersOnly) {
    EXPECT_EQ(NewAccount("Jo", "Li"), "LIJO001");
    EXPECT_EQ(NewAccount("Joan", "Li"), "LIJOA001");
    EXPECT_EQ(NewAccount("Jo", "Li"), "LIJO002");
    EXPECT_EQ(NewAccount("", "Wu"), "WU001");
    EXPECT_EQ(NewAccount("", "Wu"), "WU002");
}

TEST_F(DatabaseTest, NumbersTypedByTheUserMustBeFreeAndDoNotConfuseTheNumbering) {
    TAccountRec typed;
    typed.AccountNo = "  smijoh007 ";
    typed.LastName = "Smith";
    EXPECT_EQ(Db().AddAccount(typed), "smijoh007");
    typed.AccountNo = "SMIJOH007";
    EXPECT_THROW(Db().AddAccount(typed), EAmortDB);
    typed.AccountNo = "SMIJOH0071"; // not three digits after the base: not one of its numbers
    Db().AddAccount(typed);
    EXPECT_EQ(NewAccount("John", "Smith"), "SMIJOH008");
}

TEST_F(DatabaseTest, AnAccountWithoutNamesCannotBeNumbered) {
    try {
        NewAccount(" ", "-");
        FAIL() << "numbered an account without names";
    } catch (const EAmortDB& error) {
        EXPECT_EQ(error.Code(), kAccountNoRequired);
        EXPECT_EQ(error.Message(), "Account No MUST be given ");
    }
    EXPECT_TRUE(Db().AllAccounts().empty());
}

TEST_F(DatabaseTest, ATextTooLongForItsFieldIsRefusedAndNothingIsAdded) {
    TAccountRec account;
    account.FirstName = "John";
    account.LastName = "Smith";
    account.State = "Texas";
    EXPECT_THROW(Db().AddAccount(account), codec::ENotStorable);
    EXPECT_TRUE(Db().AllAccounts().empty());
}

TEST(AccountNumberingRules, BaseIsThreeLettersOfEachNameInCapitals) {
    EXPECT_EQ(AccountNumberBase("Smith", "John"), "SMIJOH");
    EXPECT_EQ(AccountNumberBase("O'Brien", "Mary Ann"), "OBRMAR");
    EXPECT_EQ(AccountNumberBase("de la Cruz", "al"), "DELAL");
    EXPECT_EQ(AccountNumberBase("Émile", "zoë"), "ÉMIZOË");
    EXPECT_EQ(AccountNumberBase("", "John"), "JOH");
}

TEST(AccountNumberingRules, SuffixIsExactlyThreeDigitsAfterTheBase) {
    EXPECT_EQ(AccountNumberSuffix("SMIJOH001", "SMIJOH"), 1);
    EXPECT_EQ(AccountNumberSuffix("smijoh999", "SMIJOH"), 999);
    EXPECT_EQ(AccountNumberSuffix("SMIJOH01", "SMIJOH"), std::nullopt);
    EXPECT_EQ(AccountNumberSuffix("SMIJOH0001", "SMIJOH"), std::nullopt);
    EXPECT_EQ(AccountNumberSuffix("SMIJOHN01", "SMIJOH"), std::nullopt);
    EXPECT_EQ(AccountNumberSuffix("LIJOH001", "LIJO"), std::nullopt);
}

TEST(AccountNumberingRules, NextSuffixFollowsTheHighestAndNeverGrowsPast999) {
    struct Case {
        std::vector<int> used;
        std::optional<int> next;
    };
    std::vector<int> all(999);
    std::iota(all.begin(), all.end(), 1);
    std::vector<int> allBut500 = all;
    allBut500.erase(allBut500.begin() + 499);
    const std::vector<Case> cases = {{{}, 1},          {{1}, 2},         {{2}, 3},
                                     {{1, 5, 3}, 6},   {{998}, 999},     {{999}, 1},
                                     {{1, 2, 999}, 3}, {allBut500, 500}, {all, std::nullopt}};
    for (const Case& c : cases) {
        EXPECT_EQ(NextAccountSuffix(c.used), c.next) << c.used.size() << " used";
    }
}

TEST_F(DatabaseTest, WhenEverySuffixIsTakenTheUserIsAskedForANumber) {
    {
        TAccountRec account;
        account.LastName = "Ng";
        account.FirstName = "Al";
        account.AccountNo = "NGAL999";
        Db().AddAccount(account);
    }
    EXPECT_EQ(NewAccount("Al", "Ng"), "NGAL001");
}

} // namespace
} // namespace quarvex::amortization::database
