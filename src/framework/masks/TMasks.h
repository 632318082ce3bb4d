#pragma once

#include "framework/masks/CountryCode.h"
#include "framework/masks/NumberConventions.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quarvex::masks {

// The kinds of entry field whose design mask (drawn in United States form) gives way to the
// country's mask.
enum class MaskKind : std::uint8_t { None, Money, Rate, Count, Date, LongMoney, LongRate };

// The picture masks of the entry fields for the user's country. One value serves the whole
// run; the main window builds it at start-up. A form keeps its design masks when the country
// code is 1 and takes these otherwise (see MaskFor).
struct TMasks {
    std::string MoneyMask = "$###,###,###.##";           // up to 15 characters
    std::string RateMask = "##.####";                    // up to 7
    std::string LongMoneyMask = "$###,###,###.########"; // up to 21
    std::string LongRateMask = "##.###########";         // up to 14
    std::string CountMask = "999,999";                   // up to 7
    std::string DateMask = "mm/dd/yyyy";                 // up to 10
    std::uint16_t CountryCode = kDefaultCountryCode;

    // The masks of a country; the date mask follows the conventions' date order. Code 0
    // names no country (it is what an unset country reads as) and counts as 1, so an unknown
    // country keeps the design masks rather than getting a mixture.
    static TMasks ForCountry(std::uint16_t countryCode, const NumberConventions& conventions);
    static TMasks ForCountry(std::uint16_t countryCode) {
        return ForCountry(countryCode, ConventionsForCountry(countryCode));
    }

    // The masks of the user's locale (CountryCodeFromEnvironment).
    static TMasks FromEnvironment(const EnvironmentLookup& environment) {
        return ForCountry(CountryCodeFromEnvironment(environment));
    }

    // Whether forms replace their design masks: only outside the countries of code 1.
    bool ReplacesDesignMasks() const { return CountryCode != kDefaultCountryCode; }

    // The mask a field of `kind` shows: its design mask while the design masks stay, or for a
    // field of no replaceable kind; the country's mask of that kind otherwise.
    std::string MaskFor(MaskKind kind, std::string_view designMask) const;

    friend bool operator==(const TMasks&, const TMasks&) = default;
};

// The money mask of a country code: "#,###,###.##CCC" for 49, "$###,###,###.##" for 1 and
// for every code without a mask of its own.
std::string MoneyMaskForCountry(std::uint16_t countryCode);

// A date picture with a four-digit year in the given order: "mm/dd/yyyy", "dd.mm.yyyy",
// "yyyy-mm-dd".
std::string DateMaskFor(const NumberConventions& conventions);

} // namespace quarvex::masks
