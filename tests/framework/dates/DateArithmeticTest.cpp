#include "framework/dates/DateArithmetic.h"
#include "DateTestSupport.h"

#include <gtest/gtest.h>

#include <climits>

namespace quarvex::dates {
namespace {

using testing::Show;
using testing::Ymd;

TEST(AddToDate, KeepsTheDayAbove28AsideWhileAddingMonths) {
    const struct {
        DayNumber from;
        int days, months, years;
        DayNumber expected;
    } cases[] = {
        {Ymd(2001, 1, 31), 0, 1, 0, Ymd(2001, 3, 3)}, // 28 February + 3 in a common year
        {Ymd(2000, 1, 31), 0, 1, 0, Ymd(2000, 3, 2)}, // 28 February + 3 in a leap year
        {Ymd(2001, 1, 30), 0, 1, 0, Ymd(2001, 3, 2)},
        {Ymd(2001, 1, 29), 0, 1, 0, Ymd(2001, 3, 1)},
        {Ymd(2001, 1, 28), 0, 1, 0, Ymd(2001, 2, 28)},
        {Ymd(2001, 3, 31), 0, -1, 0, Ymd(2001, 3, 3)}, // a month back can land in the same month
        {Ymd(2000, 2, 29), 0, 0, 1, Ymd(2001, 3, 1)},
        {Ymd(2001, 8, 31), 0, 1, 0, Ymd(2001, 10, 1)},
        {Ymd(2001, 11, 15), 0, 3, 0, Ymd(2002, 2, 15)}, // carry into the year
        {Ymd(2002, 2, 15), 0, -3, 0, Ymd(2001, 11, 15)},
        {Ymd(2001, 1, 15), 0, -13, 0, Ymd(1999, 12, 15)},
        {Ymd(2001, 1, 15), 20, 0, 0, Ymd(2001, 2, 4)},
        {Ymd(2001, 3, 1), -1, 0, 0, Ymd(2001, 2, 28)},
        {Ymd(2001, 1, 31), 1, 1, 1, Ymd(2002, 3, 4)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AddToDate(c.from, c.days, c.months, c.years), c.expected)
            << Show(c.from) << " + " << c.days << "d " << c.months << "m " << c.years << "y: got "
            << Show(AddToDate(c.from, c.days, c.months, c.years)) << ", expected "
            << Show(c.expected);
    }
}

TEST(AddMonthsClamped, StopsAtTheEndOfAShortMonth) {
    const struct {
        DayNumber from;
        int months, years;
        DayNumber expected;
    } cases[] = {
        {Ymd(2001, 1, 31), 1, 0, Ymd(2001, 2, 28)},  {Ymd(2000, 1, 31), 1, 0, Ymd(2000, 2, 29)},
        {Ymd(2001, 3, 31), -1, 0, Ymd(2001, 2, 28)}, {Ymd(2001, 8, 31), 1, 0, Ymd(2001, 9, 30)},
        {Ymd(2000, 2, 29), 0, 1, Ymd(2001, 2, 28)},  {Ymd(2001, 2, 28), 1, 0, Ymd(2001, 3, 28)},
        {Ymd(2001, 12, 31), 2, 0, Ymd(2002, 2, 28)}, {Ymd(2002, 1, 15), -1, 0, Ymd(2001, 12, 15)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AddMonthsClamped(c.from, c.months, c.years), c.expected)
            << Show(c.from) << " + " << c.months << "m " << c.years << "y: got "
            << Show(AddMonthsClamped(c.from, c.months, c.years));
    }
}

TEST(DateAdding, NeverLeavesTheValidRange) {
    EXPECT_EQ(AddToDate(kLastDay, 1, 0, 0), kNoDate);
    EXPECT_EQ(AddToDate(kFirstDay, -1, 0, 0), kNoDate);
    EXPECT_EQ(AddToDate(Ymd(3999, 12, 15), 0, 1, 0), kNoDate);
    EXPECT_EQ(AddToDate(Ymd(1600, 1, 15), 0, -1, 0), kNoDate);
    EXPECT_EQ(AddToDate(Ymd(3999, 1, 31), 1, 11, 0), kNoDate);  // 28 December + 4 days
    EXPECT_EQ(AddToDate(Ymd(3999, 1, 31), 0, 11, 0), kLastDay); // 28 December + 3 days
    EXPECT_EQ(AddToDate(Ymd(2001, 1, 1), INT_MAX, 0, 0), kNoDate);
    EXPECT_EQ(AddToDate(Ymd(2001, 1, 1), 0, INT_MAX, INT_MAX), kNoDate);
    EXPECT_EQ(AddToDate(Ymd(2001, 1, 1), 0, INT_MIN, INT_MIN), kNoDate);
    EXPECT_EQ(AddMonthsClamped(Ymd(3999, 12, 31), 1, 0), kNoDate);
    EXPECT_EQ(AddMonthsClamped(Ymd(1600, 1, 1), 0, -1), kNoDate);
    EXPECT_EQ(AddToDate(kNoDate, 0, 0, 0), kNoDate);
    EXPECT_EQ(AddMonthsClamped(kNoDate, 0, 0), kNoDate);
    EXPECT_EQ(AddToDate(kLastDay + 1, -1, 0, 0), kNoDate);
    EXPECT_EQ(AddToDate(kFirstDay, 0, 0, 2399), Ymd(3999, 1, 1));
}

TEST(DateDifference, BorrowsAMonthThenTwelveMonths) {
    const struct {
        DayNumber earlier, later;
        DateSpan expected;
    } cases[] = {
        {Ymd(2001, 1, 15), Ymd(2001, 4, 15), {0, 3, 0}},
        {Ymd(2001, 1, 1), Ymd(2001, 2, 16), {15, 1, 0}},
        {Ymd(2001, 3, 20), Ymd(2002, 5, 10), {20, 1, 1}},  // borrows April's 30 days
        {Ymd(2001, 11, 20), Ymd(2002, 2, 10), {21, 2, 0}}, // January's 31, then 12 months
        {Ymd(2001, 12, 15), Ymd(2002, 1, 10), {26, 0, 0}}, // steps back into December
        {Ymd(2000, 2, 29), Ymd(2001, 2, 28), {30, 11, 0}},
        {Ymd(2000, 1, 1), Ymd(2001, 1, 1), {0, 0, 1}},
        {Ymd(2001, 1, 30), Ymd(2001, 3, 1), {-1, 1, 0}}, // February is shorter than 30 days
        {Ymd(2001, 5, 5), Ymd(2001, 5, 5), {0, 0, 0}},
        {kFirstDay, kLastDay, {30, 11, 2399}},
    };
    for (const auto& c : cases) {
        for (const bool swapped : {false, true}) {
            const auto got =
                swapped ? DateDifference(c.later, c.earlier) : DateDifference(c.earlier, c.later);
            ASSERT_TRUE(got.has_value()) << Show(c.earlier) << " to " << Show(c.later);
            EXPECT_EQ(*got, c.expected)
                << Show(c.earlier) << " to " << Show(c.later) << ": got " << got->years << "y "
                << got->months << "m " << got->days << "d";
        }
    }
}

TEST(DateDifference, IsEmptyForADateOutsideTheRange) {
    EXPECT_FALSE(DateDifference(kNoDate, Ymd(2001, 1, 1)).has_value());
    EXPECT_FALSE(DateDifference(Ymd(2001, 1, 1), kLastDay + 1).has_value());
}

} // namespace
} // namespace quarvex::dates
