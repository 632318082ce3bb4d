#include "framework/store/Environment.h"

#include "framework/store/ERegIni.h"

#include <cstdlib>

namespace quarvex::framework {

EnvironmentLookup ProcessEnvironment() {
    return [](const std::string& name) -> std::optional<std::string> {
        const char* value = std::getenv(name.c_str());
        if (value == nullptr) {
            return std::nullopt;
        }
        return std::string(value);
    };
}

std::filesystem::path XdgBaseFolder(const EnvironmentLookup& environment,
                                    const std::string& variable,
                                    const std::string& fallbackBelowHome) {
    // An empty or relative value is ignored, as the XDG base directory rules require.
    if (auto value = environment(variable); value && !value->empty() && value->front() == '/') {
        return std::filesystem::path(*value);
    }
    auto home = environment("HOME");
    if (!home || home->empty()) {
        throw ERegIni("The home folder is unknown: HOME is not set, and neither is " + variable +
                      ".");
    }
    return std::filesystem::path(*home) / fallbackBelowHome;
}

} // namespace quarvex::framework
