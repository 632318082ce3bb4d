#include "ui/platform/HelpFolder.h"

#include "ui/platform/HelpIndex.h"

#include <QCoreApplication>

#include <system_error>

#ifndef QUARVEX_SOURCE_HELP_DIR
#define QUARVEX_SOURCE_HELP_DIR ""
#endif

namespace quarvex::ui {

std::vector<std::filesystem::path> HelpFolderCandidates(const HelpLocations& locations) {
    std::vector<std::filesystem::path> candidates;
    if (locations.environmentFolder && !locations.environmentFolder->empty()) {
        candidates.push_back(*locations.environmentFolder);
    }
    if (!locations.executableFolder.empty()) {
        candidates.push_back(locations.executableFolder / ".." / "share" / "quarvex" / "help");
        candidates.push_back(locations.executableFolder / "help");
    }
    if (!locations.sourceFolder.empty()) {
        candidates.push_back(locations.sourceFolder);
    }
    return candidates;
}

std::optional<std::filesystem::path> FindHelpFolder(const HelpLocations& locations) {
    for (const auto& folder : HelpFolderCandidates(locations)) {
        std::error_code error;
        if (std::filesystem::is_regular_file(folder / HelpIndex::kFileName, error)) {
            return folder.lexically_normal();
        }
    }
    return std::nullopt;
}

std::filesystem::path SourceHelpFolder() {
    return std::filesystem::path(QUARVEX_SOURCE_HELP_DIR);
}

HelpLocations ProgramHelpLocations(const HelpEnvironment& environment) {
    HelpLocations locations;
    if (environment) {
        if (const auto folder = environment("QUARVEX_HELP_DIR")) {
            locations.environmentFolder = std::filesystem::path(*folder);
        }
    }
    if (QCoreApplication::instance() != nullptr) {
        locations.executableFolder =
            std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
    }
    locations.sourceFolder = SourceHelpFolder();
    return locations;
}

} // namespace quarvex::ui
