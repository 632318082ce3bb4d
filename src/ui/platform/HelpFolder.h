#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quarvex::ui {

// Where the help pages may be, in the order they are tried:
//   1. the folder named by QUARVEX_HELP_DIR;
//   2. beside the installed program: <bin>/../share/quarvex/help, then <bin>/help;
//   3. the source tree's data/help, for a program run from its build folder.
struct HelpLocations {
    std::optional<std::filesystem::path> environmentFolder;
    std::filesystem::path executableFolder;
    std::filesystem::path sourceFolder;
};

std::vector<std::filesystem::path> HelpFolderCandidates(const HelpLocations& locations);

// The first candidate that holds the help index; nothing when none does.
std::optional<std::filesystem::path> FindHelpFolder(const HelpLocations& locations);

// The locations of this run: QUARVEX_HELP_DIR through `environment`, the running program's
// folder, and the source tree's data/help as the build knew it.
using HelpEnvironment = std::function<std::optional<std::string>(const std::string& name)>;
HelpLocations ProgramHelpLocations(const HelpEnvironment& environment);

// The source tree's help folder this library was built from.
std::filesystem::path SourceHelpFolder();

} // namespace quarvex::ui
