#include "framework/store/StorePaths.h"
#include "framework/store/ERegIni.h"

#include <gtest/gtest.h>

#include <map>

namespace quarvex::framework {
namespace {

EnvironmentLookup FakeEnvironment(std::map<std::string, std::string> variables) {
    return [variables](const std::string& name) -> std::optional<std::string> {
        auto found = variables.find(name);
        return found == variables.end() ? std::nullopt : std::optional(found->second);
    };
}

struct PathCase {
    const char* what;
    std::map<std::string, std::string> environment;
    std::string expected;
};

TEST(StorePaths, SettingsFileFollowsTheEnvironment) {
    const std::vector<PathCase> cases = {
        {"own variable first",
         {{"QUARVEX_CONFIG_DIR", "/tmp/cfg"}, {"XDG_CONFIG_HOME", "/x"}, {"HOME", "/home/u"}},
         "/tmp/cfg/settings.ini"},
        {"XDG folder",
         {{"XDG_CONFIG_HOME", "/x/conf"}, {"HOME", "/home/u"}},
         "/x/conf/Kelvarn Software/Quarvex!/settings.ini"},
        {"home fallback",
         {{"HOME", "/home/u"}},
         "/home/u/.config/Kelvarn Software/Quarvex!/settings.ini"},
        {"empty values are unset",
         {{"QUARVEX_CONFIG_DIR", ""}, {"XDG_CONFIG_HOME", ""}, {"HOME", "/home/u"}},
         "/home/u/.config/Kelvarn Software/Quarvex!/settings.ini"},
        {"relative XDG folder is ignored",
         {{"XDG_CONFIG_HOME", "conf"}, {"HOME", "/home/u"}},
         "/home/u/.config/Kelvarn Software/Quarvex!/settings.ini"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SettingsFilePath(FakeEnvironment(c.environment)).string(), c.expected) << c.what;
    }
}

TEST(StorePaths, NoHomeIsAClearError) {
    EXPECT_THROW(SettingsFilePath(FakeEnvironment({})), ERegIni);
}

} // namespace
} // namespace quarvex::framework
