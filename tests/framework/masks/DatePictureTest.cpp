#include "framework/masks/DatePicture.h"

#include <gtest/gtest.h>

namespace quarvex::masks {
namespace {

TEST(DatePicture, ShowsDatesInThePicturesOrder) {
    const DateParts date{7, 3, 2025};
    EXPECT_EQ(DatePicture("mm/dd/yyyy").Format(date), "03/07/2025");
    EXPECT_EQ(DatePicture("mm/dd/yy").Format(date), "03/07/25");
    EXPECT_EQ(DatePicture("MM/DD/yy").Format(date), "03/07/25");
    EXPECT_EQ(DatePicture("dd.mm.yyyy").Format(date), "07.03.2025");
    EXPECT_EQ(DatePicture("yyyy-mm-dd").Format(date), "2025-03-07");
    EXPECT_EQ(DatePicture("mm/dd/yy").Format(DateParts{1, 1, 2000}), "01/01/00");
    EXPECT_EQ(DatePicture("mm/dd/yyyy").Format(DateParts{1, 1, 1600}), "01/01/1600");
    EXPECT_EQ(DatePicture("mm/dd/yyyy").Format(std::nullopt), "");
    EXPECT_EQ(DatePicture("mm/dd/yyyy").Format(DateParts{30, 2, 2024}), "");
}

TEST(DatePicture, ReadsDatesAsUsersTypeThem) {
    const DatePicture us("mm/dd/yyyy");
    const struct {
        const char* text;
        DateParts date;
    } cases[] = {
        {"03/07/2025", {7, 3, 2025}},
        {"3/7/2025", {7, 3, 2025}},
        {" 3-7-2025 ", {7, 3, 2025}},
        {"3.7.25", {7, 3, 2025}},
        {"03072025", {7, 3, 2025}},
        {"030725", {7, 3, 2025}},
        {"3 7 2025", {7, 3, 2025}},
        {"2/29/2024", {29, 2, 2024}},
        {"2/29/2000", {29, 2, 2000}},
        {"1/1/1600", {1, 1, 1600}},
        {"12/31/3999", {31, 12, 3999}},
        // Two-digit years fall in the window 1980 to 2079.
        {"1/1/79", {1, 1, 2079}},
        {"1/1/80", {1, 1, 1980}},
        {"1/1/00", {1, 1, 2000}},
        {"1/1/5", {1, 1, 2005}},
    };
    for (const auto& c : cases) {
        const auto parsed = us.Parse(c.text);
        ASSERT_TRUE(parsed.Ok()) << "\"" << c.text << "\": " << parsed.error;
        ASSERT_TRUE(parsed.value->has_value()) << c.text;
        EXPECT_EQ(**parsed.value, c.date) << "\"" << c.text << "\"";
    }
    EXPECT_EQ(*DatePicture("dd.mm.yyyy").Parse("07.03.2025").value, (DateParts{7, 3, 2025}));
    EXPECT_EQ(*DatePicture("yyyy-mm-dd").Parse("2025-3-7").value, (DateParts{7, 3, 2025}));
    EXPECT_EQ(*DatePicture("mm/dd/yy").Parse("030725").value, (DateParts{7, 3, 2025}));
}

TEST(DatePicture, ReadsBlankAsNoDate) {
    const auto parsed = DatePicture("mm/dd/yyyy").Parse("   ");
    ASSERT_TRUE(parsed.Ok());
    EXPECT_FALSE(parsed.value->has_value());
}

TEST(DatePicture, RefusesDatesThatDoNotExist) {
    const DatePicture us("mm/dd/yyyy");
    for (const char* text : {"2/29/2023", "2/29/1900", "2/30/2024", "4/31/2024",  "13/1/2024",
                             "0/1/2024",  "1/0/2024",  "1/32/2024", "1/1/1599",   "1/1/4000",
                             "1/1/0005",  "1/1/202",   "1/1",       "1/1/2024/1", "1//2024",
                             "/1/1/2024", "a/b/c",     "1/1/2024x", "0307202",    "123/1/2024"}) {
        const auto parsed = us.Parse(text);
        EXPECT_FALSE(parsed.Ok()) << "\"" << text << "\"";
        EXPECT_EQ(parsed.error, "Enter a valid date as mm/dd/yyyy.") << "\"" << text << "\"";
    }
    EXPECT_EQ(DatePicture("dd.mm.yyyy").Parse("31.04.2024").error,
              "Enter a valid date as dd.mm.yyyy.");
}

TEST(DatePicture, UsesTheGivenEpoch) {
    const DatePicture picture("mm/dd/yy", 1950);
    EXPECT_EQ((*picture.Parse("1/1/49").value)->year, 2049);
    EXPECT_EQ((*picture.Parse("1/1/50").value)->year, 1950);
}

TEST(DatePicture, ReadsBackWhatItShows) {
    for (const char* text : {"mm/dd/yyyy", "dd.mm.yyyy", "yyyy-mm-dd", "mm/dd/yy", "dd-mm-yy"}) {
        const DatePicture picture(text);
        for (const DateParts date : {DateParts{1, 1, 1980}, DateParts{31, 12, 2079},
                                     DateParts{29, 2, 2000}, DateParts{15, 6, 2031}}) {
            const auto parsed = picture.Parse(picture.Format(date));
            ASSERT_TRUE(parsed.Ok()) << text << ": " << picture.Format(date);
            EXPECT_EQ(**parsed.value, date) << text << ": " << picture.Format(date);
        }
    }
}

TEST(DatePicture, AcceptsEveryKeystrokeOnTheWayToADate) {
    const DatePicture us("mm/dd/yyyy");
    for (const char* text : {"", "1", "12", "12/", "12/3", "12/31", "12/31/", "12/31/2", "12/31/20",
                             "12/31/202", "12/31/2024", "0", "1/", "1/0", "123", "12312024"}) {
        EXPECT_TRUE(us.AcceptsPartial(text)) << "\"" << text << "\"";
    }
    for (const char* text : {"13/", "12//", "/", "12/32", "00", "0/", "12/31/20245", "12/31/2024/",
                             "123/", "1/1/202/", "a", "123120245"}) {
        EXPECT_FALSE(us.AcceptsPartial(text)) << "\"" << text << "\"";
    }
}

TEST(DatePicture, RefusesPicturesThatAreNotDates) {
    for (const char* picture : {"", "mm/dd", "mm/mm/yyyy", "mm/dd/yyy", "m/d/yyyy", "mm/dd/yyyyy",
                                "mm/dd/yyyyx", "mm/dd/yyyy/mm", "##/##/####"}) {
        EXPECT_THROW(DatePicture{picture}, EBadPicture) << picture;
    }
}

TEST(IsValidDate, FollowsTheCalendarRules) {
    EXPECT_TRUE(IsValidDate({29, 2, 2400}));
    EXPECT_FALSE(IsValidDate({29, 2, 2100}));
    EXPECT_TRUE(IsValidDate({31, 12, 3999}));
    EXPECT_FALSE(IsValidDate({1, 1, 4000}));
    EXPECT_FALSE(IsValidDate({31, 12, 1599}));
    EXPECT_FALSE(IsValidDate({31, 6, 2024}));
}

} // namespace
} // namespace quarvex::masks
