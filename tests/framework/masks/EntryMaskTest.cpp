#include "framework/masks/EntryMask.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace quarvex::masks {
namespace {

const NumberConventions kUnitedStates = ConventionsForCountry(1);

// What the field keeps as typed and what the user is then told: a number or a date that
// cannot be is kept whole (never cut to what the picture holds) and refused with its fault.
TEST(EntryMask, KeepsWhatIsShapedLikeAValueAndSaysWhatIsWrongWithIt) {
    struct Case {
        const char* picture;
        ValueType type;
        const char* typed;
        bool kept;
        const char* refusal; // empty: a value
    };
    const Case cases[] = {
        {"$###,###,###.##", ValueType::Double, "123456789012", true,
         "\"123456789012\" is out of range. Enter a number from -999,999,999.99 to "
         "999,999,999.99."},
        {"$###,###,###.##", ValueType::Double, "-15,7", true,
         "\"-15,7\" is not a number. Enter a number from -999,999,999.99 to 999,999,999.99."},
        {"$###,###,###.##", ValueType::Double, "12.555", true,
         "Enter a number with at most 2 decimals."},
        {"$###,###,###.##", ValueType::Double, "12a", false, ""},
        {"ii,iii", ValueType::Int16, "40000", true,
         "\"40000\" is out of range. Enter a whole number from 0 to 32,767."},
        {"ii,iii", ValueType::Int16, "1.5", true,
         "\"1.5\" is not a whole number. Enter a whole number from 0 to 32,767."},
        {"ii,iii", ValueType::Int16, "1,200", true, ""},
        {"mm/dd/yyyy", ValueType::Date, "13/45/2026", true, "Enter a valid date as mm/dd/yyyy."},
        {"mm/dd/yyyy", ValueType::Date, "02/30/2026", true, "Enter a valid date as mm/dd/yyyy."},
        {"mm/dd/yyyy", ValueType::Date, "00/10/2026", true, "Enter a valid date as mm/dd/yyyy."},
        {"mm/dd/yyyy", ValueType::Date, "03/07/2025", true, ""},
        {"mm/dd/yyyy", ValueType::Date, "3/x", false, ""},
        {"mm/dd/yyyy", ValueType::Date, "12/12/2026/12/12/2026", false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const EntryMask mask(c.picture, c.type, kUnitedStates);
        EXPECT_EQ(mask.KeepsAsTyped(c.typed), c.kept);
        if (c.kept) {
            EXPECT_EQ(mask.Refusal(c.typed), c.refusal);
            EXPECT_EQ(mask.Parse(c.typed).Ok(), std::string_view(c.refusal).empty());
        }
    }
}

TEST(EntryMask, FormatsAndReadsEachKindOfField) {
    const EntryMask money("$###,###,###.##", ValueType::Double, kUnitedStates);
    EXPECT_EQ(money.Format(1234.5), "$1,234.50");
    EXPECT_EQ(std::get<double>(*money.Parse("$1,234.50").value), 1234.5);

    const EntryMask date("mm/dd/yyyy", ValueType::Date, kUnitedStates);
    EXPECT_EQ(date.Format(std::optional<DateParts>(DateParts{4, 7, 1976})), "07/04/1976");
    EXPECT_EQ(std::get<std::optional<DateParts>>(*date.Parse("7/4/1976").value),
              (DateParts{4, 7, 1976}));

    const EntryMask yesNo("Y", ValueType::YesNo, kUnitedStates);
    EXPECT_EQ(yesNo.Format(true), "Y");
    EXPECT_TRUE(std::get<bool>(*yesNo.Parse("y").value));

    const EntryMask phone("999-999-9999", ValueType::Text, kUnitedStates);
    EXPECT_EQ(phone.Format(std::string("5551234567")), "555-123-4567");
    EXPECT_EQ(std::get<std::string>(*phone.Parse("555 123 4567").value), "555-123-4567");
}

TEST(EntryMask, ReportsTheFieldsMessage) {
    const EntryMask count("######", ValueType::Int16, kUnitedStates);
    const auto parsed = count.Parse("40000");
    EXPECT_FALSE(parsed.Ok());
    EXPECT_EQ(parsed.error, "Enter a whole number from -32768 to 32767.");
    try {
        parsed.ValueOrThrow();
        ADD_FAILURE() << "no exception";
    } catch (const EInvalidEntry& error) {
        EXPECT_EQ(error.Message(), "Enter a whole number from -32768 to 32767.");
    }
    EXPECT_FALSE(count.AcceptsPartial("40000"));
    EXPECT_TRUE(count.AcceptsPartial("4000"));
}

TEST(EntryMask, RefusesPicturesThatDoNotSuitTheType) {
    EXPECT_THROW(EntryMask("##.##", ValueType::Int16, kUnitedStates), EBadPicture);
    EXPECT_THROW(EntryMask("mm/dd/yyyy", ValueType::Double, kUnitedStates), EBadPicture);
    EXPECT_THROW(EntryMask("999-999-9999", ValueType::Date, kUnitedStates), EBadPicture);
    EXPECT_THROW(EntryMask("X", ValueType::YesNo, kUnitedStates), EBadPicture);
    EXPECT_THROW(EntryMask("##", ValueType::Text, kUnitedStates), EBadPicture);
    NumberConventions broken = kUnitedStates;
    broken.thousandsSeparator = ".";
    EXPECT_THROW(EntryMask("##.##", ValueType::Double, broken), EBadPicture);
    broken.thousandsSeparator = "";
    EXPECT_THROW(EntryMask("##.##", ValueType::Double, broken), EBadPicture);
}

TEST(EntryMask, RefusesAValueOfAnotherType) {
    const EntryMask money("$###,###,###.##", ValueType::Double, kUnitedStates);
    EXPECT_THROW(money.Format(true), std::invalid_argument);
    const EntryMask date("mm/dd/yyyy", ValueType::Date, kUnitedStates);
    EXPECT_THROW(date.Format(1.0), std::invalid_argument);
}

TEST(EntryMask, OffersTheKeystrokeCheckAlone) {
    EXPECT_TRUE(AcceptsPartial("12.5", "##.####", ValueType::Single, kUnitedStates));
    EXPECT_FALSE(AcceptsPartial("123", "##.####", ValueType::Single, kUnitedStates));
    EXPECT_TRUE(AcceptsPartial("12/3", "mm/dd/yyyy", ValueType::Date, kUnitedStates));
    EXPECT_TRUE(AcceptsPartial("y", "Y", ValueType::YesNo, kUnitedStates));
    EXPECT_FALSE(AcceptsPartial("q", "Y", ValueType::YesNo, kUnitedStates));
}

} // namespace
} // namespace quarvex::masks
