#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace quarvex::framework {

// Looks up one environment variable; nullopt when it is not set. Passed in wherever a path
// depends on the environment, so tests decide what the program sees.
using EnvironmentLookup = std::function<std::optional<std::string>(const std::string& name)>;

// The environment of this process.
EnvironmentLookup ProcessEnvironment();

// A per-user base folder of the XDG layout: $<variable> when it is set to an absolute path,
// else $HOME/<fallbackBelowHome>. Throws ERegIni when neither can be found.
std::filesystem::path XdgBaseFolder(const EnvironmentLookup& environment,
                                    const std::string& variable,
                                    const std::string& fallbackBelowHome);

} // namespace quarvex::framework
