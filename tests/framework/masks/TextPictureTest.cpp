#include "framework/masks/TextPicture.h"

#include <gtest/gtest.h>

namespace quarvex::masks {
namespace {

TEST(TextPicture, PlacesTypedDigitsIntoThePhonePicture) {
    const TextPicture phone("999-999-9999");
    EXPECT_EQ(phone.DigitPositions(), 10);
    const struct {
        const char* text;
        const char* value;
    } cases[] = {
        {"5551234567", "555-123-4567"},
        {"555-123-4567", "555-123-4567"},
        {"(555) 123-4567", "555-123-4567"},
        {" 555 123 4567 ", "555-123-4567"},
        {"555123", "555-123"},
        {"5551", "555-1"},
        {"", ""},
        {"  ", ""},
    };
    for (const auto& c : cases) {
        const auto parsed = phone.Parse(c.text);
        ASSERT_TRUE(parsed.Ok()) << "\"" << c.text << "\": " << parsed.error;
        EXPECT_EQ(*parsed.value, c.value) << "\"" << c.text << "\"";
        EXPECT_TRUE(phone.AcceptsPartial(c.text)) << "\"" << c.text << "\"";
        EXPECT_EQ(phone.Format(*parsed.value), c.value);
    }
}

TEST(TextPicture, RefusesOtherCharactersAndTooManyDigits) {
    const TextPicture phone("999-999-9999");
    for (const char* text : {"55512345678", "555-abc", "555/123", "+1 555 123 4567"}) {
        const auto parsed = phone.Parse(text);
        EXPECT_FALSE(parsed.Ok()) << text;
        EXPECT_EQ(parsed.error, "Enter up to 10 digits as 999-999-9999.") << text;
        EXPECT_FALSE(phone.AcceptsPartial(text)) << text;
    }
    // A stored value that does not read as a phone number is shown as it is.
    EXPECT_EQ(phone.Format("call me"), "call me");
    EXPECT_THROW(TextPicture("XXX"), EBadPicture);
}

TEST(YesNo, ShowsAndReadsYAndN) {
    EXPECT_EQ(FormatYesNo(true), "Y");
    EXPECT_EQ(FormatYesNo(false), "N");
    for (const char* yes : {"Y", "y", " Y "}) {
        EXPECT_TRUE(*ParseYesNo(yes).value) << yes;
    }
    for (const char* no : {"N", "n", ""}) {
        EXPECT_FALSE(*ParseYesNo(no).value) << no;
    }
    for (const char* other : {"x", "yes", "1", "YN"}) {
        EXPECT_EQ(ParseYesNo(other).error, "Enter Y or N.") << other;
        EXPECT_FALSE(AcceptsPartialYesNo(other)) << other;
    }
}

} // namespace
} // namespace quarvex::masks
