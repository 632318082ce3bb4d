#include "framework/masks/CountryCode.h"

#include <array>
#include <cctype>
#include <cstdlib>
#include <utility>

namespace quarvex::masks {

namespace {

// ISO 3166 territory to dialling code, for the countries whose conventions we know and
// their neighbours most often met in locale names.
constexpr std::array<std::pair<std::string_view, std::uint16_t>, 48> kTerritories = {{
    {"AR", 54},  {"AT", 43},  {"AU", 61},  {"BE", 32},  {"BR", 55}, {"CA", 1},   {"CH", 41},
    {"CL", 56},  {"CN", 86},  {"CO", 57},  {"CZ", 420}, {"DE", 49}, {"DK", 45},  {"EE", 372},
    {"ES", 34},  {"FI", 358}, {"FR", 33},  {"GB", 44},  {"GR", 30}, {"HK", 852}, {"HU", 36},
    {"IE", 353}, {"IL", 972}, {"IN", 91},  {"IS", 354}, {"IT", 39}, {"JP", 81},  {"KR", 82},
    {"LI", 423}, {"LU", 352}, {"MX", 52},  {"NL", 31},  {"NO", 47}, {"NZ", 64},  {"PL", 48},
    {"PR", 1},   {"PT", 351}, {"RO", 40},  {"RU", 7},   {"SE", 46}, {"SG", 65},  {"SK", 421},
    {"TR", 90},  {"TW", 886}, {"UA", 380}, {"UK", 44},  {"US", 1},  {"ZA", 27},
}};

// The territory part of a locale name: the two or three letters after the first '_' or '-'
// and before any '.' or '@'.
std::string Territory(std::string_view name) {
    name = name.substr(0, name.find_first_of(".@"));
    const auto separator = name.find_first_of("_-");
    if (separator == std::string_view::npos) {
        return {};
    }
    std::string territory;
    for (const char c : name.substr(separator + 1)) {
        if (std::isalpha(static_cast<unsigned char>(c)) == 0) {
            break;
        }
        territory += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return territory;
}

} // namespace

EnvironmentLookup ProcessEnvironment() {
    return [](const std::string& name) -> std::optional<std::string> {
        if (const char* value = std::getenv(name.c_str())) {
            return std::string(value);
        }
        return std::nullopt;
    };
}

std::uint16_t CountryCodeFromLocaleName(std::string_view localeName) {
    const std::string territory = Territory(localeName);
    for (const auto& [name, code] : kTerritories) {
        if (name == territory) {
            return code;
        }
    }
    return kDefaultCountryCode;
}

std::uint16_t CountryCodeFromEnvironment(const EnvironmentLookup& environment) {
    for (const char* variable : {"LC_ALL", "LC_MONETARY", "LANG"}) {
        const auto value = environment(variable);
        if (value && !value->empty()) {
            return CountryCodeFromLocaleName(*value);
        }
    }
    return kDefaultCountryCode;
}

} // namespace quarvex::masks
