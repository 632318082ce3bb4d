#include "framework/masks/CountryCode.h"

#include <gtest/gtest.h>

#include <map>

namespace quarvex::masks {
namespace {

TEST(CountryCodeFromLocaleName, ReadsTheTerritoryOfTheLocale) {
    const struct {
        const char* locale;
        std::uint16_t code;
    } cases[] = {
        {"en_US", 1},
        {"en_US.UTF-8", 1},
        {"en_CA.UTF-8", 1},
        {"fr_CA", 1},
        {"de_DE.UTF-8", 49},
        {"de_DE@euro", 49},
        {"fr_FR", 33},
        {"nl_NL", 31},
        {"nl_BE.UTF-8", 32},
        {"es_ES", 34},
        {"it_IT", 39},
        {"de_CH", 41},
        {"de_AT", 43},
        {"da_DK", 45},
        {"sv_SE", 46},
        {"nb_NO", 47},
        {"pt_BR", 55},
        {"pt_PT", 351},
        {"is_IS", 354},
        {"fi_FI", 358},
        {"en_GB.ISO-8859-1", 44},
        {"en_AU", 61},
        {"ja_JP.eucJP", 81},
        {"de-DE", 49},
        {"de_de.utf8", 49},
        {"C", 1},
        {"POSIX", 1},
        {"", 1},
        {"C.UTF-8", 1},
        {"de", 1},
        {"xx_ZZ", 1},
        {"_", 1},
        {"en_", 1},
        {"sr_RS@latin", 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CountryCodeFromLocaleName(c.locale), c.code) << "locale \"" << c.locale << "\"";
    }
}

EnvironmentLookup FakeEnvironment(std::map<std::string, std::string> variables) {
    return [variables](const std::string& name) -> std::optional<std::string> {
        const auto found = variables.find(name);
        if (found == variables.end()) {
            return std::nullopt;
        }
        return found->second;
    };
}

TEST(CountryCodeFromEnvironment, FollowsTheOrderTheCLibraryUsesForMoney) {
    EXPECT_EQ(CountryCodeFromEnvironment(FakeEnvironment(
                  {{"LC_ALL", "fr_FR.UTF-8"}, {"LC_MONETARY", "de_DE"}, {"LANG", "en_GB"}})),
              33);
    EXPECT_EQ(
        CountryCodeFromEnvironment(FakeEnvironment({{"LC_MONETARY", "de_DE"}, {"LANG", "en_GB"}})),
        49);
    EXPECT_EQ(CountryCodeFromEnvironment(FakeEnvironment({{"LANG", "en_GB.UTF-8"}})), 44);
}

TEST(CountryCodeFromEnvironment, SkipsEmptyVariablesAndDefaultsToOne) {
    EXPECT_EQ(CountryCodeFromEnvironment(
                  FakeEnvironment({{"LC_ALL", ""}, {"LC_MONETARY", ""}, {"LANG", "nl_NL"}})),
              31);
    EXPECT_EQ(CountryCodeFromEnvironment(FakeEnvironment({})), 1);
    EXPECT_EQ(CountryCodeFromEnvironment(FakeEnvironment({{"LANG", "C.UTF-8"}})), 1);
    // LC_NUMERIC and LC_TIME do not choose the currency.
    EXPECT_EQ(CountryCodeFromEnvironment(
                  FakeEnvironment({{"LC_NUMERIC", "de_DE"}, {"LC_TIME", "fr_FR"}})),
              1);
}

} // namespace
} // namespace quarvex::masks
