#include "framework/masks/NumericPicture.h"

#include "engine/Rounding.h"
#include "framework/masks/TMasks.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

namespace quarvex::masks {
namespace {

const NumberConventions kUnitedStates = ConventionsForCountry(1);
const NumberConventions kGermany = ConventionsForCountry(49);

struct CountryMoney {
    std::uint16_t code;
    const char* positive; // 1234.5 through the country's money mask
    const char* negative; // -1234.5
};

// Every country of the money-mask table, and a few that keep the default mask.
const CountryMoney kCountryMoney[] = {
    {1, "$1,234.50", "($1,234.50)"},     {31, "€ 1.234,50", "€ -1.234,50"},
    {32, "1.234,50 €", "-1.234,50 €"},   {33, "1 234,50 €", "-1 234,50 €"},
    {34, "1.235 €", "-1.235 €"}, // the mask has no decimals
    {39, "1.235 €", "-1.235 €"},         {41, "CHF 1'234.50", "CHF -1'234.50"},
    {43, "€ 1.234,50", "€ -1.234,50"},   {45, "kr. 1.234,50", "kr. -1.234,50"},
    {46, "1 234,50 kr", "-1 234,50 kr"}, {47, "kr 1 234,50", "kr -1 234,50"},
    {49, "1.234,50 €", "-1.234,50 €"},   {55, "R$ 1.234,50", "-R$ 1.234,50"},
    {351, "1 234,50 €", "-1 234,50 €"},  {354, "1.234,50 kr.", "-1.234,50 kr."},
    {358, "1 234,50 €", "-1 234,50 €"},  {44, "£1,234.50", "-£1,234.50"},
    {61, "$1,234.50", "-$1,234.50"},     {81, "¥1,234.50", "-¥1,234.50"},
};

TEST(NumericPicture, ShowsMoneyThroughEachCountrysMask) {
    for (const auto& c : kCountryMoney) {
        const NumericPicture picture(MoneyMaskForCountry(c.code));
        const NumberConventions conventions = ConventionsForCountry(c.code);
        EXPECT_EQ(picture.Format(1234.5, conventions), c.positive) << "country " << c.code;
        EXPECT_EQ(picture.Format(-1234.5, conventions), c.negative) << "country " << c.code;
    }
}

TEST(NumericPicture, ReadsBackWhatItShowsForEveryCountry) {
    // Every value fits the narrowest of these masks, Portugal's "###,###.##CCCCC".
    const double values[] = {0.0, 0.01, -0.01, 1234.5, -1234.5, 7.125, 999999.99, -999999.99};
    for (const auto& c : kCountryMoney) {
        const NumericPicture picture(MoneyMaskForCountry(c.code));
        const NumberConventions conventions = ConventionsForCountry(c.code);
        for (const double value : values) {
            const double expected = engine::RoundTo(picture.Decimals(), value);
            const std::string shown = picture.Format(value, conventions);
            const auto parsed = picture.Parse(shown, ValueType::Double, conventions);
            ASSERT_TRUE(parsed.Ok())
                << "country " << c.code << ": \"" << shown << "\" gave " << parsed.error;
            EXPECT_EQ(*parsed.value, expected) << "country " << c.code << ": \"" << shown << "\"";
            EXPECT_TRUE(picture.AcceptsPartial(shown, ValueType::Double, conventions))
                << "country " << c.code << ": \"" << shown << "\"";
        }
    }
}

TEST(NumericPicture, RoundsToItsDecimals) {
    EXPECT_EQ(NumericPicture("##.##").Format(7.125, kUnitedStates), "7.13");
    EXPECT_EQ(NumericPicture("##.####").Format(7.125, kUnitedStates), "7.1250");
    EXPECT_EQ(NumericPicture("##.##").Format(1.005, kUnitedStates), "1.00");
    EXPECT_EQ(NumericPicture("$###,###,###.##").Format(-0.001, kUnitedStates), "$0.00");
    EXPECT_EQ(NumericPicture("##.####").Format(0.5, kGermany), "0,5000");
    EXPECT_EQ(NumericPicture("ii,iii").Format(1234, kUnitedStates), "1,234");
    EXPECT_EQ(NumericPicture("iiii").Format(1234, kUnitedStates), "1234");
    EXPECT_EQ(NumericPicture("999,999").Format(360, kGermany), "360");
    EXPECT_EQ(NumericPicture("$###,###,###.########").Format(98.765432109, kUnitedStates),
              "$98.76543211");
    // A bond yield in the long rate mask keeps all eleven decimals of an extended field.
    const NumericPicture longRate("##.###########");
    EXPECT_EQ(longRate.Format(7.12345678901, kUnitedStates), "7.12345678901");
    EXPECT_EQ(*longRate.Parse("7.12345678901", ValueType::Extended, kUnitedStates).value,
              7.12345678901);
}

TEST(NumericPicture, ShowsAValueTooWideForItInFullAndNeverNan) {
    const NumericPicture money("$###,###,###.##");
    EXPECT_EQ(money.Format(1e12, kUnitedStates), "$1,000,000,000,000.00");
    EXPECT_EQ(NumericPicture("ii,iii").Format(1234567, kUnitedStates), "1,234,567");
    EXPECT_EQ(money.Format(std::numeric_limits<double>::quiet_NaN(), kUnitedStates), "Error");
    EXPECT_EQ(money.Format(-std::numeric_limits<double>::infinity(), kUnitedStates), "Error");
}

TEST(NumericPicture, ReadsWhatUsersType) {
    const NumericPicture money("$###,###,###.##");
    const struct {
        const char* text;
        double value;
    } accepted[] = {
        {"1234.5", 1234.5},
        {"1,234.50", 1234.5},
        {"$1,234.50", 1234.5},
        {"  $ 1,234.50  ", 1234.5},
        {"1234.5$", 1234.5},
        {"-1234.5", -1234.5},
        {"($1,234.50)", -1234.5},
        {"(1234.5)", -1234.5},
        {"-$1,234.50", -1234.5},
        {"$-1,234.50", -1234.5},
        {"+12", 12.0},
        {".5", 0.5},
        {"12.", 12.0},
        {"", 0.0},
        {"   ", 0.0},
        {"-0", 0.0},
        {"0001.50", 1.5},
        {"1.50000", 1.5},
        {"999,999,999.99", 999999999.99},
        {"-999,999,999.99", -999999999.99},
        {"\xC2\xA0"
         "12\t",
         12.0},
    };
    for (const auto& c : accepted) {
        const auto parsed = money.Parse(c.text, ValueType::Double, kUnitedStates);
        ASSERT_TRUE(parsed.Ok()) << "\"" << c.text << "\": " << parsed.error;
        EXPECT_EQ(*parsed.value, c.value) << "\"" << c.text << "\"";
        EXPECT_EQ(std::signbit(*parsed.value), c.value < 0) << "\"" << c.text << "\"";
    }
}

TEST(NumericPicture, RefusesWhatIsNotANumberOfTheField) {
    const NumericPicture money("$###,###,###.##");
    const std::string range = "Enter a number from -999,999,999.99 to 999,999,999.99.";
    const struct {
        const char* text;
        std::string message;
    } refused[] = {
        {"1,23.5", range},
        {"12,34", range},
        {"1.2.3", range},
        {"abc", range},
        {"$", range},
        {"-", range},
        {"()", range},
        {"(-5)", range},
        {"--5", range},
        {"5-", range},
        {"$$5", range},
        {"1,234.50$$", range},
        {"(5", range},
        {"5)", range},
        {",5", range},
        {"1,,234", range},
        {"1,234,", range},
        {"1 234", range},
        {"1,000,000,000", range},
        {"-1,000,000,000", range},
        {"1.234", "Enter a number with at most 2 decimals."},
    };
    for (const auto& c : refused) {
        const auto parsed = money.Parse(c.text, ValueType::Double, kUnitedStates);
        EXPECT_FALSE(parsed.Ok()) << "\"" << c.text << "\" gave " << parsed.value.value_or(0);
        EXPECT_EQ(parsed.error, c.message) << "\"" << c.text << "\"";
    }
}

TEST(NumericPicture, TakesSeparatorsOnlyInTheirPlacesSoCountriesCannotBeConfused) {
    const NumericPicture money(MoneyMaskForCountry(49));
    // In Germany a point separates thousands: "1234.50" is not a number there.
    EXPECT_FALSE(money.Parse("1234.50", ValueType::Double, kGermany).Ok());
    EXPECT_EQ(money.Parse("1234.50", ValueType::Double, kGermany).error,
              "Enter a number from -9.999.999,99 to 9.999.999,99.");
    EXPECT_EQ(*money.Parse("1.234,5", ValueType::Double, kGermany).value, 1234.5);
    EXPECT_EQ(*money.Parse("1234,5 €", ValueType::Double, kGermany).value, 1234.5);
    EXPECT_EQ(*money.Parse("€1.234,5", ValueType::Double, kGermany).value, 1234.5);
    EXPECT_FALSE(money.AcceptsPartial("1234.5", ValueType::Double, kGermany));
    // A blank thousands separator may be typed as a no-break space too.
    const NumberConventions france = ConventionsForCountry(33);
    const NumericPicture french(MoneyMaskForCountry(33));
    EXPECT_EQ(*french
                   .Parse("1\xC2\xA0"
                          "234,5",
                          ValueType::Double, france)
                   .value,
              1234.5);
    EXPECT_EQ(*french
                   .Parse("1\xE2\x80\xAF"
                          "234,5 €",
                          ValueType::Double, france)
                   .value,
              1234.5);
}

TEST(NumericPicture, RefusesMoreDecimalsThanItShows) {
    const NumericPicture rate("##.####");
    EXPECT_EQ(rate.Parse("7.12345", ValueType::Single, kUnitedStates).error,
              "Enter a number with at most 4 decimals.");
    EXPECT_EQ(*rate.Parse("7.12340", ValueType::Single, kUnitedStates).value, 7.1234);
    const NumericPicture spain(MoneyMaskForCountry(34));
    const NumberConventions spanish = ConventionsForCountry(34);
    EXPECT_EQ(spain.Parse("12,5", ValueType::Double, spanish).error,
              "Enter a number without decimals.");
    EXPECT_EQ(spain.Parse("12,", ValueType::Double, spanish).error,
              "Enter a number without decimals.");
    EXPECT_EQ(NumericPicture("#.#").Parse("0.25", ValueType::Double, kUnitedStates).error,
              "Enter a number with at most 1 decimal.");
}

TEST(NumericPicture, EnforcesTheRateCapacity) {
    const NumericPicture rate("##.####");
    const auto parsed = rate.Parse("123.5", ValueType::Single, kUnitedStates);
    EXPECT_FALSE(parsed.Ok());
    EXPECT_EQ(parsed.error, "Enter a number from -99.9999 to 99.9999.");
    EXPECT_EQ(*rate.Parse("99.9999", ValueType::Single, kUnitedStates).value, 99.9999);
    EXPECT_EQ(*rate.Parse("-99.9999", ValueType::Single, kUnitedStates).value, -99.9999);
    EXPECT_FALSE(rate.AcceptsPartial("123", ValueType::Single, kUnitedStates));
}

struct TypeLimit {
    ValueType type;
    const char* picture;
    const char* lowest;    // accepted
    const char* highest;   // accepted
    const char* belowText; // refused
    const char* aboveText; // refused
    const char* message;
};

// Each type at its limits, through a picture wide enough not to be the limit.
const TypeLimit kTypeLimits[] = {
    {ValueType::Int16, "######", "-32768", "32767", "-32769", "32768",
     "Enter a whole number from -32768 to 32767."},
    {ValueType::Int32, "###,###,###,###", "-2,147,483,648", "2,147,483,647", "-2147483649",
     "2147483648", "Enter a whole number from -2,147,483,648 to 2,147,483,647."},
    {ValueType::UInt16, "######", "0", "65535", "-1", "65536",
     "Enter a whole number from 0 to 65535."},
    {ValueType::Byte, "####", "0", "255", "-1", "256", "Enter a whole number from 0 to 255."},
    {ValueType::Single, "########################################", // 40 digits
     "-340282346638528859811704183484516925440", "340282346638528859811704183484516925440",
     "-340282346638528859811704183484516925441", "340282346638528859811704183484516925441",
     "Enter a number from -340282346638528859811704183484516925440 to "
     "340282346638528859811704183484516925440."},
};

TEST(NumericPicture, HoldsEachTypeToItsRange) {
    for (const auto& c : kTypeLimits) {
        const NumericPicture picture(c.picture);
        for (const char* text : {c.lowest, c.highest}) {
            const auto parsed = picture.Parse(text, c.type, kUnitedStates);
            ASSERT_TRUE(parsed.Ok()) << c.picture << " \"" << text << "\": " << parsed.error;
            EXPECT_EQ(picture.Format(*parsed.value, kUnitedStates), text) << c.picture;
            EXPECT_TRUE(picture.AcceptsPartial(text, c.type, kUnitedStates)) << text;
        }
        for (const char* text : {c.belowText, c.aboveText}) {
            const auto parsed = picture.Parse(text, c.type, kUnitedStates);
            EXPECT_FALSE(parsed.Ok()) << c.picture << " \"" << text << "\"";
            EXPECT_EQ(parsed.error, c.message) << c.picture << " \"" << text << "\"";
            EXPECT_FALSE(picture.AcceptsPartial(text, c.type, kUnitedStates)) << text;
        }
    }
}

TEST(NumericPicture, HoldsDoublesAndExtendedsToADoublesRange) {
    const NumericPicture picture(std::string(310, '#'));
    const std::string largest = picture.Format(DBL_MAX, kUnitedStates);
    ASSERT_EQ(largest.size(), 309u);
    for (const ValueType type : {ValueType::Double, ValueType::Extended}) {
        EXPECT_EQ(*picture.Parse(largest, type, kUnitedStates).value, DBL_MAX);
        EXPECT_EQ(*picture.Parse("-" + largest, type, kUnitedStates).value, -DBL_MAX);
        const std::string tooLarge = "2" + std::string(308, '0');
        EXPECT_FALSE(picture.Parse(tooLarge, type, kUnitedStates).Ok());
        EXPECT_FALSE(picture.AcceptsPartial(tooLarge, type, kUnitedStates));
    }
}

TEST(NumericPicture, GivesTheRangeOfTypeAndPictureTogether) {
    const struct {
        const char* picture;
        ValueType type;
        const char* message;
    } cases[] = {
        {"999,999", ValueType::Int16, "Enter a whole number from 0 to 32,767."},
        {"ii,iii", ValueType::Int16, "Enter a whole number from 0 to 32,767."},
        {"iii", ValueType::Int16, "Enter a whole number from 0 to 999."},
        {"####", ValueType::Int16, "Enter a whole number from -9999 to 9999."},
        {"ii,iii,iii", ValueType::Int32, "Enter a whole number from 0 to 99,999,999."},
        {"##.##", ValueType::Single, "Enter a number from -99.99 to 99.99."},
        {"##.####", ValueType::Double, "Enter a number from -99.9999 to 99.9999."},
        {"$###,###,###.##", ValueType::Double,
         "Enter a number from -999,999,999.99 to 999,999,999.99."},
        {"###", ValueType::Byte, "Enter a whole number from 0 to 255."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NumericPicture(c.picture).RangeMessage(c.type, kUnitedStates), c.message)
            << c.picture;
    }
    EXPECT_EQ(NumericPicture("#,###,###.##CCC").RangeMessage(ValueType::Double, kGermany),
              "Enter a number from -9.999.999,99 to 9.999.999,99.");
}

TEST(NumericPicture, RefusesNegativesWherePictureOrTypeHasNoSign) {
    const NumericPicture count("999,999");
    EXPECT_EQ(count.Parse("-5", ValueType::Int16, kUnitedStates).error,
              "Enter a whole number from 0 to 32,767.");
    EXPECT_FALSE(count.AcceptsPartial("-", ValueType::Int16, kUnitedStates));
    EXPECT_FALSE(count.AcceptsPartial("(", ValueType::Int16, kUnitedStates));
    EXPECT_TRUE(count.Parse("-0", ValueType::Int16, kUnitedStates).Ok());
    const NumericPicture signedCount("#####");
    EXPECT_FALSE(signedCount.AcceptsPartial("-", ValueType::UInt16, kUnitedStates));
    EXPECT_TRUE(signedCount.AcceptsPartial("-", ValueType::Int16, kUnitedStates));
}

TEST(NumericPicture, RefusesDecimalsInWholeNumbers) {
    const NumericPicture count("999,999");
    EXPECT_EQ(count.Parse("12.5", ValueType::Int16, kUnitedStates).error,
              "Enter a whole number from 0 to 32,767.");
    EXPECT_EQ(count.Parse("12.", ValueType::Int16, kUnitedStates).error,
              "Enter a whole number from 0 to 32,767.");
    EXPECT_FALSE(count.AcceptsPartial("12.", ValueType::Int16, kUnitedStates));
}

TEST(NumericPicture, AcceptsEveryKeystrokeOnTheWayToAValue) {
    const NumericPicture money("$###,###,###.##");
    const NumericPicture rate("##.####");
    const NumericPicture count("999,999");
    const struct {
        const NumericPicture& picture;
        ValueType type;
        const NumberConventions& conventions;
        const char* text;
        bool accepted;
    } cases[] = {
        {money, ValueType::Double, kUnitedStates, "", true},
        {money, ValueType::Double, kUnitedStates, "-", true},
        {money, ValueType::Double, kUnitedStates, "(", true},
        {money, ValueType::Double, kUnitedStates, "($", true},
        {money, ValueType::Double, kUnitedStates, "($1,2", true},
        {money, ValueType::Double, kUnitedStates, "($1,234.5)", true},
        {money, ValueType::Double, kUnitedStates, "$", true},
        {money, ValueType::Double, kUnitedStates, "1,", true},
        {money, ValueType::Double, kUnitedStates, "1,2", true},
        {money, ValueType::Double, kUnitedStates, "1,234", true},
        {money, ValueType::Double, kUnitedStates, "1,2345", false},
        {money, ValueType::Double, kUnitedStates, "1,23.", false},
        {money, ValueType::Double, kUnitedStates, "1,234.", true},
        {money, ValueType::Double, kUnitedStates, "1,234.5", true},
        {money, ValueType::Double, kUnitedStates, "1,234.56", true},
        {money, ValueType::Double, kUnitedStates, "1,234.567", false},
        {money, ValueType::Double, kUnitedStates, "999999999", true},
        {money, ValueType::Double, kUnitedStates, "9999999999", false},
        {money, ValueType::Double, kUnitedStates, "abc", false},
        {money, ValueType::Double, kUnitedStates, "1.2.", false},
        {money, ValueType::Double, kUnitedStates, "--", false},
        {money, ValueType::Double, kUnitedStates, "(-", false},
        {money, ValueType::Double, kUnitedStates, "5$", true},
        {money, ValueType::Double, kUnitedStates, "5$$", false},
        {money, ValueType::Double, kGermany, "1.234,5", true},
        {money, ValueType::Double, kGermany, "1.23", true},
        {money, ValueType::Double, kGermany, "1,5 €", true},
        {rate, ValueType::Single, kUnitedStates, "12.3456", true},
        {rate, ValueType::Single, kUnitedStates, "12.34567", false},
        {rate, ValueType::Single, kUnitedStates, "-9", true},
        {rate, ValueType::Single, kUnitedStates, "100", false},
        {count, ValueType::Int16, kUnitedStates, "32767", true},
        {count, ValueType::Int16, kUnitedStates, "32768", false},
        {count, ValueType::Int16, kUnitedStates, "32,76", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.picture.AcceptsPartial(c.text, c.type, c.conventions), c.accepted)
            << c.picture.Text() << " \"" << c.text << "\"";
    }
    // Typing the currency symbol letter by letter.
    const NumberConventions denmark = ConventionsForCountry(45);
    const NumericPicture danish(MoneyMaskForCountry(45));
    for (const char* text : {"k", "kr", "kr.", "kr. 1", "1 k", "1 kr", "1 kr."}) {
        EXPECT_TRUE(danish.AcceptsPartial(text, ValueType::Double, denmark)) << text;
    }
    EXPECT_FALSE(danish.AcceptsPartial("x", ValueType::Double, denmark));
}

TEST(NumericPicture, RefusesPicturesItCannotUse) {
    for (const char* picture : {"", "$", "cc", "mm/dd/yyyy", "##.##.##", ",###", "###.#,#", "c###C",
                                "$###c", "999-999-9999", "#a#"}) {
        EXPECT_THROW(NumericPicture{picture}, EBadPicture) << picture;
    }
    EXPECT_THROW(NumericPicture("##.##").CheckSuits(ValueType::Int16), EBadPicture);
    EXPECT_THROW(NumericPicture("##").CheckSuits(ValueType::Date), EBadPicture);
    EXPECT_NO_THROW(NumericPicture("###,###,###.").CheckSuits(ValueType::Int32));
}

TEST(NumericPicture, KnowsItsShape) {
    const NumericPicture germany("#,###,###.##CCC");
    EXPECT_EQ(germany.WholeDigits(), 7);
    EXPECT_EQ(germany.Decimals(), 2);
    EXPECT_TRUE(germany.AllowsSign());
    EXPECT_EQ(germany.Currency(), NumericPicture::CurrencyPlace::Right);
    EXPECT_EQ(NumericPicture("$###").Currency(), NumericPicture::CurrencyPlace::Local);
    EXPECT_EQ(NumericPicture("c###").Currency(), NumericPicture::CurrencyPlace::Left);
    EXPECT_FALSE(NumericPicture("999,999").AllowsSign());
}

} // namespace
} // namespace quarvex::masks
