#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace quarvex::masks {

// The country code is the international dialling code of the user's country: 1 for the
// United States and Canada, 44 for the United Kingdom, 49 for Germany. It chooses the money
// mask and the number conventions.
inline constexpr std::uint16_t kDefaultCountryCode = 1;

// Looks up one environment variable; nullopt when it is not set. (The same signature as the
// settings store's lookup, so one function serves both.)
using EnvironmentLookup = std::function<std::optional<std::string>(const std::string& name)>;

// The environment of this process.
EnvironmentLookup ProcessEnvironment();

// The country code of a POSIX locale name, "language[_TERRITORY][.codeset][@modifier]"
// ("de_DE.UTF-8" gives 49); a BCP 47 tag such as "de-DE" is read the same way. "C", "POSIX",
// an empty name, a name without a territory and a territory we do not know give 1.
std::uint16_t CountryCodeFromLocaleName(std::string_view localeName);

// The country code of the locale that governs money for this user: the first of LC_ALL,
// LC_MONETARY and LANG that is set and not empty, as the C library chooses it.
std::uint16_t CountryCodeFromEnvironment(const EnvironmentLookup& environment);

} // namespace quarvex::masks
