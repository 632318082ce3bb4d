#include "framework/masks/NumberConventions.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace quarvex::masks {

namespace {

struct CountryConventions {
    std::uint16_t code;
    NumberConventions conventions;
};

using enum NegativeMoney;
using enum DateOrder;

// One row per country we know how to write for. The thousands separator that is a narrow or
// no-break space in typeset text is a plain blank here: it is what a user types, and the
// parser takes the no-break forms as well. Built on first use, so that conventions can be
// asked for while other files' constants are being initialized.
const std::array<CountryConventions, 21>& Countries() {
    static const std::array<CountryConventions, 21> kCountries = {{
        {1, {".", ",", "$", true, false, Parentheses, MonthDayYear, '/'}},         // US, Canada
        {31, {",", ".", "€", true, true, MinusBeforeDigits, DayMonthYear, '-'}},   // Netherlands
        {32, {",", ".", "€", false, true, MinusFirst, DayMonthYear, '/'}},         // Belgium
        {33, {",", " ", "€", false, true, MinusFirst, DayMonthYear, '/'}},         // France
        {34, {",", ".", "€", false, true, MinusFirst, DayMonthYear, '/'}},         // Spain
        {39, {",", ".", "€", false, true, MinusFirst, DayMonthYear, '/'}},         // Italy
        {41, {".", "'", "CHF", true, true, MinusBeforeDigits, DayMonthYear, '.'}}, // Switzerland
        {43, {",", ".", "€", true, true, MinusBeforeDigits, DayMonthYear, '.'}},   // Austria
        {44, {".", ",", "£", true, false, MinusFirst, DayMonthYear, '/'}},         // United Kingdom
        {45, {",", ".", "kr.", true, true, MinusBeforeDigits, DayMonthYear, '.'}}, // Denmark
        {46, {",", " ", "kr", false, true, MinusFirst, YearMonthDay, '-'}},        // Sweden
        {47, {",", " ", "kr", true, true, MinusBeforeDigits, DayMonthYear, '.'}},  // Norway
        {49, {",", ".", "€", false, true, MinusFirst, DayMonthYear, '.'}},         // Germany
        {55, {",", ".", "R$", true, true, MinusFirst, DayMonthYear, '/'}},         // Brazil
        {61, {".", ",", "$", true, false, MinusFirst, DayMonthYear, '/'}},         // Australia
        {64, {".", ",", "$", true, false, MinusFirst, DayMonthYear, '/'}},         // New Zealand
        {81, {".", ",", "¥", true, false, MinusFirst, YearMonthDay, '/'}},         // Japan
        {351, {",", " ", "€", false, true, MinusFirst, DayMonthYear, '/'}},        // Portugal
        {353, {".", ",", "€", true, false, MinusFirst, DayMonthYear, '/'}},        // Ireland
        {354, {",", ".", "kr.", false, true, MinusFirst, DayMonthYear, '.'}},      // Iceland
        {358, {",", " ", "€", false, true, MinusFirst, DayMonthYear, '.'}},        // Finland
    }};
    return kCountries;
}

bool HasDigit(const std::string& text) {
    return std::any_of(text.begin(), text.end(),
                       [](unsigned char c) { return std::isdigit(c) != 0; });
}

} // namespace

NumberConventions ConventionsForCountry(std::uint16_t countryCode) {
    for (const auto& country : Countries()) {
        if (country.code == countryCode) {
            return country.conventions;
        }
    }
    return Countries().front().conventions;
}

bool AreUsable(const NumberConventions& conventions) {
    const auto& decimal = conventions.decimalSeparator;
    const auto& thousands = conventions.thousandsSeparator;
    return !decimal.empty() && !thousands.empty() && decimal != thousands && !HasDigit(decimal) &&
           !HasDigit(thousands) && !HasDigit(conventions.currencySymbol) &&
           decimal.find_first_of("-+()") == std::string::npos &&
           thousands.find_first_of("-+()") == std::string::npos &&
           std::isdigit(static_cast<unsigned char>(conventions.dateSeparator)) == 0;
}

} // namespace quarvex::masks
