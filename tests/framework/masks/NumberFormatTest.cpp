#include "framework/masks/NumberFormat.h"

#include <gtest/gtest.h>

#include <limits>

namespace quarvex::masks {
namespace {

const NumberConventions kUnitedStates = ConventionsForCountry(1);
const NumberConventions kGermany = ConventionsForCountry(49);

struct FormatCase {
    double value;
    int decimals;
    std::uint16_t country;
    const char* money;
    const char* number;
    const char* fixed;
};

TEST(NumberFormat, WritesMoneyNumbersAndFixedPointInTheCountrysForm) {
    const FormatCase cases[] = {
        {1234.5, 2, 1, "$1,234.50", "1,234.50", "1234.50"},
        {-1234.5, 2, 1, "($1,234.50)", "-1,234.50", "-1234.50"},
        {1234.5, 2, 49, "1.234,50 €", "1.234,50", "1234,50"},
        {-1234.5, 2, 49, "-1.234,50 €", "-1.234,50", "-1234,50"},
        {-1234.5, 2, 31, "€ -1.234,50", "-1.234,50", "-1234,50"},
        {1234567.891, 2, 33, "1 234 567,89 €", "1 234 567,89", "1234567,89"},
        {-1234.5, 2, 41, "CHF -1'234.50", "-1'234.50", "-1234.50"},
        {-1234.5, 2, 44, "-£1,234.50", "-1,234.50", "-1234.50"},
        {1234.5, 2, 45, "kr. 1.234,50", "1.234,50", "1234,50"},
        {-1234.5, 2, 55, "-R$ 1.234,50", "-1.234,50", "-1234,50"},
        {1234.5, 0, 81, "¥1,235", "1,235", "1235"},
        {0.0, 2, 1, "$0.00", "0.00", "0.00"},
        {999.995, 2, 1, "$1,000.00", "1,000.00", "1000.00"}, // 999.995 lies above the half
        {1e20, 2, 1, "$100,000,000,000,000,000,000.00", "100,000,000,000,000,000,000.00",
         "100000000000000000000.00"},
        {12.0, 0, 1, "$12", "12", "12"},
    };
    for (const auto& c : cases) {
        const NumberConventions conventions = ConventionsForCountry(c.country);
        EXPECT_EQ(FormatMoney(c.value, c.decimals, conventions), c.money)
            << c.value << " in country " << c.country;
        EXPECT_EQ(FormatNumber(c.value, c.decimals, conventions), c.number)
            << c.value << " in country " << c.country;
        EXPECT_EQ(FormatFixed(c.value, c.decimals, conventions), c.fixed)
            << c.value << " in country " << c.country;
    }
}

TEST(NumberFormat, RoundsTheExactValueWithHalvesAwayFromZero) {
    // A rate of 7.125 copies with 2 decimals and prints with 4.
    EXPECT_EQ(FormatNumber(7.125, 2, kUnitedStates), "7.13");
    EXPECT_EQ(FormatNumber(7.125, 4, kUnitedStates), "7.1250");
    EXPECT_EQ(FormatNumber(-7.125, 2, kUnitedStates), "-7.13");
    // 1.005 and 2.675 are stored just below their halves.
    EXPECT_EQ(FormatNumber(1.005, 2, kUnitedStates), "1.00");
    EXPECT_EQ(FormatFixed(2.675, 2, kUnitedStates), "2.67");
    EXPECT_EQ(FormatMoney(322.6718719383759, 2, kUnitedStates), "$322.67");
    EXPECT_EQ(FormatNumber(2.5, 0, kUnitedStates), "3");
}

TEST(NumberFormat, NeverShowsANegativeZero) {
    for (const double value : {-0.0, -0.001, -0.004999}) {
        EXPECT_EQ(FormatMoney(value, 2, kUnitedStates), "$0.00") << value;
        EXPECT_EQ(FormatNumber(value, 2, kGermany), "0,00") << value;
        EXPECT_EQ(FormatFixed(value, 2, kUnitedStates), "0.00") << value;
    }
}

TEST(NumberFormat, ShowsErrorForWhatIsNotANumber) {
    for (const double value :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
          -std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(FormatMoney(value, 2, kUnitedStates), "Error") << value;
        EXPECT_EQ(FormatNumber(value, 4, kGermany), "Error") << value;
        EXPECT_EQ(FormatFixed(value, 2, kUnitedStates), "Error") << value;
    }
}

TEST(NumberFormat, HandlesTheExtremesOfADouble) {
    const double largest = std::numeric_limits<double>::max();
    const std::string text = FormatFixed(largest, 2, kUnitedStates);
    EXPECT_EQ(text.substr(0, 6), "179769");
    EXPECT_EQ(text.size(), 309u + 3u);
    EXPECT_EQ(FormatFixed(-largest, 15, kUnitedStates).size(), 1u + 309u + 16u);
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::denorm_min(), 2, kUnitedStates), "0.00");
    // Out-of-range decimals are taken as the nearest of 0 and 15.
    EXPECT_EQ(FormatFixed(1.5, -3, kUnitedStates), "2");
    EXPECT_EQ(FormatFixed(0.1, 40, kUnitedStates), "0.100000000000000");
}

TEST(NumberFormat, UsesInjectedConventions) {
    NumberConventions custom = kUnitedStates;
    custom.currencySymbol = "EUR";
    custom.symbolBefore = false;
    custom.blankBesideSymbol = true;
    custom.negativeMoney = NegativeMoney::Parentheses;
    EXPECT_EQ(FormatMoney(-5, 2, custom), "(5.00 EUR)");
    custom.currencySymbol.clear();
    EXPECT_EQ(FormatMoney(5, 2, custom), "5.00");
}

} // namespace
} // namespace quarvex::masks
