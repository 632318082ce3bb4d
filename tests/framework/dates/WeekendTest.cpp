#include "framework/dates/Weekend.h"
#include "DateTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace quarvex::dates {
namespace {

using testing::Show;
using testing::Ymd;

// January 2001: Friday the 5th, Saturday the 6th, Sunday the 7th, Monday the 8th.
TEST(AdjustForWeekend, MovesSaturdaysAndSundaysByTheCode) {
    const DayNumber friday = Ymd(2001, 1, 5);
    const DayNumber saturday = Ymd(2001, 1, 6);
    const DayNumber sunday = Ymd(2001, 1, 7);
    const DayNumber monday = Ymd(2001, 1, 8);
    const struct {
        DayNumber date;
        int code;
        DayNumber expected;
    } cases[] = {
        {saturday, kNoAdjustment, saturday},
        {sunday, kNoAdjustment, sunday},
        {saturday, kClosestDay, friday},
        {sunday, kClosestDay, monday},
        {saturday, kForceFriday, friday},
        {sunday, kForceFriday, friday},
        {saturday, kForceMonday, monday},
        {sunday, kForceMonday, monday},
        {saturday, 9, friday},
        {sunday, 9, monday}, // unknown codes: closest day
        {friday, kForceMonday, friday},
        {monday, kForceFriday, monday},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AdjustForWeekend(c.date, c.code), c.expected)
            << Show(c.date) << " code " << c.code << ": got "
            << Show(AdjustForWeekend(c.date, c.code));
    }
}

TEST(AdjustForWeekend, AlwaysGivesAWeekdayWithinTwoDays) {
    for (DayNumber date = Ymd(2001, 1, 1); date < Ymd(2001, 3, 1); ++date) {
        for (int code = kClosestDay; code <= kForceMonday; ++code) {
            const DayNumber moved = AdjustForWeekend(date, code);
            EXPECT_NE(WeekdayOf(moved), Saturday) << Show(date) << " code " << code;
            EXPECT_NE(WeekdayOf(moved), Sunday) << Show(date) << " code " << code;
            EXPECT_LE(std::abs(moved - date), 2) << Show(date) << " code " << code;
        }
    }
}

TEST(AdjustForWeekend, StaysInsideTheValidRange) {
    // 1 January 1600 is a Saturday and 2 January a Sunday; 31 December 3999 is a Friday.
    EXPECT_EQ(AdjustForWeekend(kFirstDay, kClosestDay), kNoDate);
    EXPECT_EQ(AdjustForWeekend(kFirstDay, kForceMonday), Ymd(1600, 1, 3));
    EXPECT_EQ(AdjustForWeekend(kFirstDay + 1, kForceFriday), kNoDate);
    EXPECT_EQ(AdjustForWeekend(kLastDay, kForceMonday), kLastDay);
    EXPECT_EQ(AdjustForWeekend(kNoDate, kNoAdjustment), kNoDate);
    EXPECT_EQ(AdjustForWeekend(kNoDate, kClosestDay), kNoDate);
}

} // namespace
} // namespace quarvex::dates
