#pragma once

#include <cstdint>
#include <string>

namespace quarvex::masks {

// How a negative amount of money is written.
enum class NegativeMoney : std::uint8_t {
    Parentheses,      // ($1,234.50)
    MinusFirst,       // -$1,234.50, -1.234,50 €
    MinusBeforeDigits // € -1.234,50 (with the symbol after the number, as MinusFirst)
};

// The order of day, month and year in a typed or shown date.
enum class DateOrder : std::uint8_t { MonthDayYear, DayMonthYear, YearMonthDay };

// The number, money and date conventions of one country. Built from the country code, never
// from the process's C locale, so that what the program shows depends only on values that
// tests and the settings can fix. Texts are UTF-8; the separators are never digits, never
// empty (thousands may be a blank) and never equal to each other.
struct NumberConventions {
    std::string decimalSeparator = ".";
    std::string thousandsSeparator = ",";
    std::string currencySymbol = "$";
    bool symbolBefore = true;       // "$1.00" rather than "1.00 $"
    bool blankBesideSymbol = false; // "€ 1,00" / "1,00 €" rather than "€1,00" / "1,00€"
    NegativeMoney negativeMoney = NegativeMoney::Parentheses;
    DateOrder dateOrder = DateOrder::MonthDayYear;
    char dateSeparator = '/';

    friend bool operator==(const NumberConventions&, const NumberConventions&) = default;
};

// The conventions of a country by its international dialling code (1 for the United States
// and Canada, 49 for Germany, ...). Codes we hold no conventions for get those of the
// United States, as they get its masks.
NumberConventions ConventionsForCountry(std::uint16_t countryCode);

// Whether a conventions value can be used for formatting and parsing (see above).
bool AreUsable(const NumberConventions& conventions);

} // namespace quarvex::masks
