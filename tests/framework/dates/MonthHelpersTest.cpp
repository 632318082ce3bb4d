#include "framework/dates/MonthHelpers.h"
#include "DateTestSupport.h"

#include <gtest/gtest.h>

namespace quarvex::dates {
namespace {

using testing::Show;
using testing::Ymd;

TEST(MonthHelpers, MonthStartsAndEnds) {
    const struct {
        DayNumber date, last, first, nextFirst, previousFirst;
    } cases[] = {
        {Ymd(2001, 2, 10), Ymd(2001, 2, 28), Ymd(2001, 2, 1), Ymd(2001, 3, 1), Ymd(2001, 1, 1)},
        {Ymd(2000, 2, 1), Ymd(2000, 2, 29), Ymd(2000, 2, 1), Ymd(2000, 3, 1), Ymd(2000, 1, 1)},
        {Ymd(2001, 12, 31), Ymd(2001, 12, 31), Ymd(2001, 12, 1), Ymd(2002, 1, 1), Ymd(2001, 11, 1)},
        {Ymd(2001, 1, 15), Ymd(2001, 1, 31), Ymd(2001, 1, 1), Ymd(2001, 2, 1), Ymd(2000, 12, 1)},
        {Ymd(1600, 1, 20), Ymd(1600, 1, 31), kFirstDay, Ymd(1600, 2, 1), kNoDate},
        {Ymd(3999, 12, 2), kLastDay, Ymd(3999, 12, 1), kNoDate, Ymd(3999, 11, 1)},
        {kNoDate, kNoDate, kNoDate, kNoDate, kNoDate},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LastDayOfMonth(c.date), c.last) << Show(c.date);
        EXPECT_EQ(FirstOfMonth(c.date), c.first) << Show(c.date);
        EXPECT_EQ(FirstOfNextMonth(c.date), c.nextFirst) << Show(c.date);
        EXPECT_EQ(FirstOfPreviousMonth(c.date), c.previousFirst) << Show(c.date);
    }
}

TEST(MonthHelpers, LastDayOfMonthKnowsFebruary) {
    const struct {
        DayNumber date;
        bool last;
    } cases[] = {
        {Ymd(2001, 2, 28), true}, {Ymd(2000, 2, 28), false}, {Ymd(2000, 2, 29), true},
        {Ymd(1900, 2, 28), true}, {Ymd(2001, 4, 30), true},  {Ymd(2001, 1, 30), false},
        {Ymd(2001, 1, 31), true}, {kLastDay, true},          {kNoDate, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsLastDayOfMonth(c.date), c.last) << Show(c.date);
    }
}

TEST(MonthHelpers, AddYearsRefusesDaysThatDoNotExist) {
    const struct {
        DayNumber date;
        int years;
        DayNumber expected;
    } cases[] = {
        {Ymd(2001, 6, 15), 1, Ymd(2002, 6, 15)}, {Ymd(2001, 6, 15), -1, Ymd(2000, 6, 15)},
        {Ymd(2000, 2, 29), 1, kNoDate},          {Ymd(2000, 2, 29), 4, Ymd(2004, 2, 29)},
        {Ymd(2096, 2, 29), 4, kNoDate},          {Ymd(2000, 2, 29), 400, Ymd(2400, 2, 29)},
        {Ymd(3999, 6, 15), 1, kNoDate},          {Ymd(1600, 6, 15), -1, kNoDate},
        {Ymd(2001, 6, 15), 2000000000, kNoDate}, {kNoDate, 0, kNoDate},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AddYears(c.date, c.years), c.expected)
            << Show(c.date) << " + " << c.years << " years: got "
            << Show(AddYears(c.date, c.years));
    }
}

} // namespace
} // namespace quarvex::dates
