#include "DateTestSupport.h"
#include "framework/dates/TcalcDateMath.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace quarvex::dates {
namespace {

using testing::Ymd;

// Weekday names come from the C library's LC_TIME; each test starts in the C locale and puts
// back whatever was set before.
class WeekdayNames : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = std::setlocale(LC_TIME, nullptr);
        std::setlocale(LC_TIME, "C");
    }
    void TearDown() override { std::setlocale(LC_TIME, saved_.c_str()); }

private:
    std::string saved_;
};

TEST_F(WeekdayNames, EnglishInTheCLocale) {
    // 7 to 13 January 2001 run from Sunday to Saturday.
    const char* const names[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                 "Thursday", "Friday", "Saturday"};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(TcalcDateMath::WeekdayName(Ymd(2001, 1, 7 + i)), names[i]) << i;
    }
    EXPECT_EQ(WeekdayName(kFirstDay), "Saturday");
    EXPECT_EQ(WeekdayName(kLastDay), "Friday");
}

TEST_F(WeekdayNames, BadDateOutsideTheRange) {
    EXPECT_EQ(WeekdayName(kNoDate), "Bad Date");
    EXPECT_EQ(WeekdayName(kLastDay + 1), "Bad Date");
}

TEST(FirstCharacters, CutsWholeCharacters) {
    EXPECT_EQ(FirstCharacters("Wednesday", kWeekdayNameLength), "Wednesday");
    EXPECT_EQ(FirstCharacters("quarta-feira", kWeekdayNameLength), "quarta-fe");
    EXPECT_EQ(FirstCharacters("понедельник", kWeekdayNameLength), "понедельн");
    EXPECT_EQ(FirstCharacters("mié", 2), "mi");
    EXPECT_EQ(FirstCharacters("mié", 3), "mié");
    EXPECT_EQ(FirstCharacters("abc", 0), "");
    EXPECT_EQ(FirstCharacters("", 9), "");
}

TEST(PeriodLabel, NumbersSeparatorAndPad) {
    const struct {
        int number1, number2;
        bool pad;
        const char* expected;
    } cases[] = {
        {12, 3, true, "12/03"},        {12, 3, false, "12/3"},
        {12, 10, true, "12/10"},       {1, 0, true, "1/00"},
        {1, 9, true, "1/09"},          {1, -3, true, "1/-3"},
        {123456, 7, true, "12345/07"}, {99999, 99999, false, "99999/99"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TcalcDateMath::PeriodLabel(c.number1, c.number2, c.pad, '0', '/'), c.expected)
            << c.number1 << " " << c.number2 << " " << c.pad;
    }
    EXPECT_EQ(PeriodLabel(4, 2, true, ' ', '-'), "4- 2");
}

} // namespace
} // namespace quarvex::dates
