// Copying schedules and the range editors of the adjustment dialogs.
#include "engine/FinanceErrors.h"
#include "engine/cashflow/TFVSchedule.h"
#include "engine/cashflow/TPVSchedule.h"

#include <gtest/gtest.h>

#include <vector>

namespace quarvex::engine {
namespace {

TPVSchedule PvRows(int count) {
    TPVSchedule schedule;
    schedule.Records().resize(static_cast<std::size_t>(count));
    return schedule;
}

TFVSchedule FvRows(int count) {
    TFVSchedule schedule;
    schedule.Records().resize(static_cast<std::size_t>(count));
    return schedule;
}

TEST(TFlexSchedule, CopyScheduleReplacesTheCallersList) {
    TPVSchedule schedule = PvRows(3);
    schedule.Records()[1].Label = "2/01";
    schedule.Records()[1].Amount = 42;
    EXPECT_EQ(schedule.LastIndex(), 2);

    std::vector<TPVRow> copy(7);
    schedule.CopySchedule(&copy);
    ASSERT_EQ(copy.size(), 3u);
    EXPECT_EQ(copy[1].Label, "2/01");
    EXPECT_EQ(copy[1].Amount, 42);
    copy[1].Amount = 1; // the copies are the caller's own
    EXPECT_EQ(schedule.Records()[1].Amount, 42);
    EXPECT_EQ(TPVSchedule().LastIndex(), -1);
}

TEST(TFlexSchedule, MissingTargetsAreProgrammingErrors) {
    const TFVSchedule schedule = FvRows(2);
    try {
        schedule.CopySchedule(nullptr);
        FAIL() << "no error";
    } catch (const ENotAllocSchedule& error) {
        EXPECT_STREQ(error.what(), "Programming error - Schedule not allocated.");
    }
    try {
        schedule.CopyRecord(schedule.Records()[0], nullptr);
        FAIL() << "no error";
    } catch (const ENotAllocTransRec& error) {
        EXPECT_STREQ(error.what(), "Programming error - Transaction record not allocated.");
    }
}

struct RangeCase {
    const char* name;
    int first;
    int last;
    std::vector<double> expected; // deposits of rows 1..6 after writing 100 growing by 10 %
};

TEST(RangeEditors, RangesAreCutToTheRows) {
    const std::vector<RangeCase> cases = {
        {"inside", 2, 4, {0, 100, 110, 121, 0, 0}},
        {"single row", 6, 6, {0, 0, 0, 0, 0, 100}},
        {"past the last row", 5, 99, {0, 0, 0, 0, 100, 110}},
        {"before the first row", -2, 2, {100, 110, 0, 0, 0, 0}},
        {"whole list", 1, 6, {100, 110, 121, 133.1, 146.41, 161.051}},
        {"last before first", 4, 3, {0, 0, 0, 0, 0, 0}},
        {"starting past the end", 7, 9, {0, 0, 0, 0, 0, 0}},
    };
    for (const RangeCase& c : cases) {
        TFVSchedule fv = FvRows(6);
        fv.SetDeposits(c.first, c.last, 10, 100);
        TPVSchedule pv = PvRows(6);
        pv.SetAmounts(c.first, c.last, 10, 100);
        ASSERT_EQ(fv.Records().size(), 6u) << c.name;
        ASSERT_EQ(pv.Records().size(), 6u) << c.name;
        for (std::size_t k = 0; k < 6; ++k) {
            EXPECT_NEAR(fv.Records()[k].Deposit, c.expected[k], 1e-9) << c.name << " row " << k + 1;
            EXPECT_NEAR(pv.Records()[k].Amount, c.expected[k], 1e-9) << c.name << " row " << k + 1;
        }
    }
}

TEST(RangeEditors, RatesAreSetOverTheRange) {
    TFVSchedule fv = FvRows(4);
    fv.SetRates(3, 10, 7.25L);
    EXPECT_EQ(fv.Records()[1].Rate, 0);
    EXPECT_EQ(fv.Records()[2].Rate, 7.25L);
    EXPECT_EQ(fv.Records()[3].Rate, 7.25L);
}

TEST(RangeEditors, WriteIntoTheListTheyAreGiven) {
    const TFVSchedule fv = FvRows(3);
    std::vector<TFVRow> copy;
    fv.CopySchedule(&copy);
    TFVSchedule::SetDeposits(1, 3, copy, 0, 25);
    EXPECT_EQ(copy[2].Deposit, 25);
    EXPECT_EQ(fv.Records()[2].Deposit, 0);
}

} // namespace
} // namespace quarvex::engine
