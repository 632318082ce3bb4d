#pragma once

#include "framework/store/Environment.h"

#include <filesystem>

namespace quarvex::framework {

// The folder below a per-user base folder that holds everything of this program.
inline constexpr const char* kVendorFolderName = "Kelvarn Software";
inline constexpr const char* kProgramFolderName = "Quarvex!";
inline constexpr const char* kSettingsFileName = "settings.ini";

// $QUARVEX_CONFIG_DIR when set, else $XDG_CONFIG_HOME (or $HOME/.config) followed by
// "Kelvarn Software/Quarvex!".
std::filesystem::path SettingsFolder(const EnvironmentLookup& environment);

// SettingsFolder() / "settings.ini".
std::filesystem::path SettingsFilePath(const EnvironmentLookup& environment);

} // namespace quarvex::framework
