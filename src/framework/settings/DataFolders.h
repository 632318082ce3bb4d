#pragma once

#include "framework/store/Environment.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace quarvex::framework {

class RegIni;

// The per-user data folder: $QUARVEX_DATA_DIR when set, else $XDG_DATA_HOME (or
// $HOME/.local/share) followed by "Kelvarn Software/Quarvex!/Data".
std::filesystem::path UserDataFolder(const EnvironmentLookup& environment);

// The folder data files and the schedule database go to unless the user chose another one,
// always absolute and ending in '/': a folder named "Data" in the current directory when
// there is one, else the per-user data folder. Nothing is created: for readers such as the
// command line, which must find what the desktop program wrote without leaving anything.
std::string FindDefaultDataFolder(const EnvironmentLookup& environment,
                                  const std::filesystem::path& currentDirectory);

// FindDefaultDataFolder, with the per-user data folder created when missing (a failure to
// create it shows later, when something is saved there).
std::string ResolveDefaultDataFolder(const EnvironmentLookup& environment,
                                     const std::filesystem::path& currentDirectory);

// The folder a calculator last saved to or loaded from: the "Data" value of its key below
// the program's key, or defaultDataFolder when that is absent or no longer a folder. The
// store's current key is left as it was.
std::string ReadDataFolder(RegIni& store, std::string_view calculatorKey,
                           std::string_view defaultDataFolder);

// Remembers the folder of fileName as the calculator's "Data" value. A name without a folder
// part changes nothing. The store's current key is left as it was.
void WriteDataFolder(RegIni& store, std::string_view calculatorKey, std::string_view fileName);

} // namespace quarvex::framework
