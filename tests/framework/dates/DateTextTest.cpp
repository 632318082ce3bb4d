#include "framework/dates/DateText.h"
#include "DateTestSupport.h"

#include <gtest/gtest.h>

namespace quarvex::dates {
namespace {

using testing::Show;
using testing::Ymd;

TEST(DateText, TwoDigitYearsReadFrom1980To2079) {
    const struct {
        int yy, epoch, year;
    } cases[] = {
        {79, 1980, 2079}, {80, 1980, 1980}, {0, 1980, 2000}, {99, 1980, 1999},
        {49, 1950, 2049}, {50, 1950, 1950}, {100, 1980, -1}, {-1, 1980, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(YearInWindow(c.yy, c.epoch), c.year) << c.yy << " from " << c.epoch;
    }
    EXPECT_EQ(ParseUsDate("12/31/79"), Ymd(2079, 12, 31));
    EXPECT_EQ(ParseUsDate("01/01/80"), Ymd(1980, 1, 1));
}

TEST(DateText, ReadsOnlyWellFormedExistingDates) {
    const struct {
        const char* text;
        DayNumber iso, us;
    } cases[] = {
        {"2001-01-16", Ymd(2001, 1, 16), kNoDate},
        {"01/16/2001", kNoDate, Ymd(2001, 1, 16)},
        {"01/16/01", kNoDate, Ymd(2001, 1, 16)},
        {"1600-01-01", kFirstDay, kNoDate},
        {"3999-12-31", kLastDay, kNoDate},
        {"12/31/3999", kNoDate, kLastDay},
        {"02/29/2000", kNoDate, Ymd(2000, 2, 29)},
        {"2000-02-29", Ymd(2000, 2, 29), kNoDate},
        {"02/29/1900", kNoDate, kNoDate},
        {"2001-02-29", kNoDate, kNoDate},
        {"4000-01-01", kNoDate, kNoDate},
        {"1599-12-31", kNoDate, kNoDate},
        {"13/01/2000", kNoDate, kNoDate},
        {"00/10/2000", kNoDate, kNoDate},
        {"2001-1-16", kNoDate, kNoDate},
        {"2/29/2000", kNoDate, kNoDate},
        {"2001/01/16", kNoDate, kNoDate},
        {"01-16-2001", kNoDate, kNoDate},
        {"20010116", kNoDate, kNoDate},
        {" 2001-01-16", kNoDate, kNoDate},
        {"2001-01-16 ", kNoDate, kNoDate},
        {"01/16/2001\n", kNoDate, kNoDate},
        {"+1/16/2001", kNoDate, kNoDate},
        {"01/16/-001", kNoDate, kNoDate},
        {"-001-01-16", kNoDate, kNoDate},
        {"01/16/200", kNoDate, kNoDate},
        {"0x/16/2001", kNoDate, kNoDate},
        {"", kNoDate, kNoDate},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseIsoDate(c.text), c.iso)
            << '"' << c.text << "\": got " << Show(ParseIsoDate(c.text));
        EXPECT_EQ(ParseUsDate(c.text), c.us)
            << '"' << c.text << "\": got " << Show(ParseUsDate(c.text));
    }
}

TEST(DateText, Writes) {
    EXPECT_EQ(FormatIsoDate(Ymd(2001, 1, 16)), "2001-01-16");
    EXPECT_EQ(FormatUsDate(Ymd(2001, 1, 16)), "01/16/2001");
    EXPECT_EQ(FormatUsDate(Ymd(2001, 1, 16), YearDigits::Two), "01/16/01");
    EXPECT_EQ(FormatUsDate(kFirstDay, YearDigits::Two), "01/01/00");
    EXPECT_EQ(FormatIsoDate(kNoDate), "");
    EXPECT_EQ(FormatUsDate(kLastDay + 1), "");
}

TEST(DateText, EveryDateReadsBackAsWritten) {
    for (DayNumber date = kFirstDay; date <= kLastDay; ++date) {
        ASSERT_EQ(ParseIsoDate(FormatIsoDate(date)), date) << FormatIsoDate(date);
        ASSERT_EQ(ParseUsDate(FormatUsDate(date)), date) << FormatUsDate(date);
    }
    for (DayNumber date = Ymd(1980, 1, 1); date <= Ymd(2079, 12, 31); ++date) {
        const std::string text = FormatUsDate(date, YearDigits::Two);
        ASSERT_EQ(ParseUsDate(text), date) << text;
    }
}

} // namespace
} // namespace quarvex::dates
