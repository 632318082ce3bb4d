#include "AmortDbTestSupport.h"

#include "amortization/database/EAmortDB.h"
#include "amortization/database/TableIndexing.h"
#include "platform/dbase/DbaseErrors.h"

namespace quarvex::amortization::database {
namespace {

using namespace testing;

struct Shown {
    std::vector<int> values;
    std::vector<std::string> texts;
    IndexingProgress Listener() {
        return [this](int value, const std::string& text) {
            values.push_back(value);
            texts.push_back(text);
        };
    }
};

// The starts of the steps must appear in order: a bar that only goes where the steps say.
void ExpectStepsInOrder(const std::vector<int>& shown, const std::vector<int>& starts) {
    std::size_t at = 0;
    for (const int start : starts) {
        const auto found =
            std::find(shown.begin() + static_cast<std::ptrdiff_t>(at), shown.end(), start);
        ASSERT_NE(found, shown.end()) << "no step starting at " << start;
        at = static_cast<std::size_t>(found - shown.begin());
    }
    for (std::size_t i = 0; i < shown.size(); ++i) {
        EXPECT_GE(shown[i], 0);
        EXPECT_LE(shown[i], 100);
    }
}

class IndexingTest : public DatabaseTest {
protected:
    void SetUp() override {
        const std::string account = NewAccount("John", "Smith");
        for (int loan = 1; loan <= 3; ++loan) {
            const CalculatedLoan calculated = Calculate("n=" + std::to_string(12 * loan));
            Db().SaveLoan(account, calculated.Record(std::to_string(loan)), calculated.schedule);
        }
        Db().DeleteLoan("2");
        Reopen();
    }
};

TEST(IndexingArithmetic, ProgressIsTheBasePlusASixthOfThePercentage) {
    EXPECT_EQ(ShownProgress(84, 100), 100);
    EXPECT_EQ(ShownProgress(84, 5), 84);
    EXPECT_EQ(ShownProgress(84, 6), 85);
    EXPECT_EQ(ShownProgress(0, 50), 8);
    EXPECT_EQ(IndexingStatusText(42), "Program setup. Creating indicies. 42% complete.");
    EXPECT_EQ(kIndexingDoneText, "Done...Click on the below door to close.");
    std::vector<int> bases;
    for (const IndexingStep& step : CreateTagSteps()) {
        bases.push_back(step.progressBase);
    }
    EXPECT_EQ(bases, (std::vector<int>{0, 14, 28, 28, 28, 28, 42, 56, 70, 84}));
}

TEST_F(IndexingTest, CreateModeRunsThroughEveryTagStepToOneHundred) {
    Shown shown;
    IndexAmortTables(folder_.Path(), IndexingMode::CreateTags, shown.Listener());
    ExpectStepsInOrder(shown.values, {0, 14, 28, 42, 56, 70, 84, 100});
    EXPECT_EQ(shown.values.front(), 0);
    EXPECT_EQ(shown.values.back(), 100);
    EXPECT_EQ(shown.texts.back(), "Program setup. Creating indicies. 100% complete.");
    // The tags serve as before.
    EXPECT_EQ(Db().LoadLoan("3").schedule.Count(), 37);
    EXPECT_EQ(Db().LinksOf("SMIJOH001").size(), 2u);
}

TEST_F(IndexingTest, PackModeStartsAt28AndRemovesDeletedRecordsForGood) {
    const auto rowsBefore = Open()->RowsTable().RecordCount();
    Shown shown;
    IndexAmortTables(folder_.Path(), IndexingMode::Pack, shown.Listener());
    EXPECT_EQ(shown.values.front(), 28);
    ExpectStepsInOrder(shown.values, {28, 42, 70, 84, 100});
    EXPECT_EQ(shown.values.back(), 100);
    EXPECT_EQ(Db().RowsTable().RecordCount(), rowsBefore - 25);
    EXPECT_EQ(Db().LoadLoan("1").schedule.Count(), 13);
    EXPECT_EQ(Db().LoadLoan("3").schedule.Count(), 37);
    EXPECT_THROW(Db().LoadLoan("2"), EAmortDB);
    // Loans 1 to 3 were saved under typed numbers, the counter never moved: the first free
    // number is the one loan 2 had.
    EXPECT_EQ(Db().NewLoanNumber(), "2");
}

TEST_F(IndexingTest, ATableInUseStopsTheWorkWithTheEnginesMessage) {
    auto open = Open();
    Shown shown;
    EXPECT_THROW(IndexAmortTables(folder_.Path(), IndexingMode::Pack, shown.Listener()),
                 dbase::ETableInUse);
    EXPECT_TRUE(shown.values.empty());
    open.reset();
    EXPECT_NO_THROW(IndexAmortTables(folder_.Path(), IndexingMode::Pack, shown.Listener()));
}

TEST(IndexingFolders, AnEmptyFolderGetsItsTablesCreatedEmpty) {
    quarvex::testing::TempDirectory folder;
    Shown shown;
    IndexAmortTables(folder.Path(), IndexingMode::CreateTags, shown.Listener());
    EXPECT_EQ(shown.values.back(), 100);
    for (const std::string_view name : {kAccountsFile, kLoansFile, kLinksFile, kRowsFile}) {
        EXPECT_TRUE(std::filesystem::exists(folder / std::string(name))) << name;
    }
}

} // namespace
} // namespace quarvex::amortization::database
