#include "framework/settings/DataFolders.h"

#include "framework/settings/FileDialogRules.h"
#include "framework/settings/SettingsKeys.h"
#include "framework/store/RegIni.h"
#include "framework/store/StorePaths.h"

#include <system_error>

namespace quarvex::framework {

namespace {

std::string WithTrailingSeparator(const std::filesystem::path& folder) {
    std::string text = folder.string();
    if (text.empty() || text.back() != '/') {
        text += '/';
    }
    return text;
}

std::string CalculatorKey(std::string_view calculatorKey) {
    return std::string(settings_keys::kRootKey) + "\\" + std::string(calculatorKey);
}

// Puts the store's current key back when the helper is done with it.
class KeepCurrentKey {
public:
    explicit KeepCurrentKey(RegIni& store) : store_(store), saved_(store.CurSubKey()) {}
    ~KeepCurrentKey() { store_.SetCurSubKey(saved_); }
    KeepCurrentKey(const KeepCurrentKey&) = delete;
    KeepCurrentKey& operator=(const KeepCurrentKey&) = delete;

private:
    RegIni& store_;
    std::string saved_;
};

} // namespace

std::filesystem::path UserDataFolder(const EnvironmentLookup& environment) {
    if (auto folder = environment("QUARVEX_DATA_DIR"); folder && !folder->empty()) {
        return std::filesystem::path(*folder);
    }
    return XdgBaseFolder(environment, "XDG_DATA_HOME", ".local/share") / kVendorFolderName /
           kProgramFolderName / "Data";
}

std::string FindDefaultDataFolder(const EnvironmentLookup& environment,
                                  const std::filesystem::path& currentDirectory) {
    std::error_code error;
    const std::filesystem::path local = currentDirectory / "Data";
    if (std::filesystem::is_directory(local, error)) {
        return WithTrailingSeparator(local);
    }
    return WithTrailingSeparator(UserDataFolder(environment));
}

std::string ResolveDefaultDataFolder(const EnvironmentLookup& environment,
                                     const std::filesystem::path& currentDirectory) {
    const std::string folder = FindDefaultDataFolder(environment, currentDirectory);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return folder;
}

std::string ReadDataFolder(RegIni& store, std::string_view calculatorKey,
                           std::string_view defaultDataFolder) {
    KeepCurrentKey keep(store);
    store.SetCurSubKey(CalculatorKey(calculatorKey));
    std::string folder = store.ReadText(settings_keys::kDataFolderValue, defaultDataFolder);
    std::error_code error;
    if (folder.empty() || !std::filesystem::is_directory(folder, error)) {
        return std::string(defaultDataFolder);
    }
    return folder;
}

void WriteDataFolder(RegIni& store, std::string_view calculatorKey, std::string_view fileName) {
    const std::string folder = FolderPart(fileName);
    if (folder.empty()) {
        return;
    }
    KeepCurrentKey keep(store);
    store.SetCurSubKey(CalculatorKey(calculatorKey));
    store.WriteText(settings_keys::kDataFolderValue, folder);
}

} // namespace quarvex::framework
