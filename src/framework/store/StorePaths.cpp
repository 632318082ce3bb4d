#include "framework/store/StorePaths.h"

namespace quarvex::framework {

std::filesystem::path SettingsFolder(const EnvironmentLookup& environment) {
    if (auto folder = environment("QUARVEX_CONFIG_DIR"); folder && !folder->empty()) {
        return std::filesystem::path(*folder);
    }
    return XdgBaseFolder(environment, "XDG_CONFIG_HOME", ".config") / kVendorFolderName /
           kProgramFolderName;
}

std::filesystem::path SettingsFilePath(const EnvironmentLookup& environment) {
    return SettingsFolder(environment) / kSettingsFileName;
}

} // namespace quarvex::framework
