#include "shell/ApplicationOptions.h"

#include "framework/settings/SettingsKeys.h"
#include "framework/store/RegIni.h"

#include <cstdint>
#include <variant>

namespace quarvex::shell {

namespace names = option_names;
using framework::RegIni;

namespace {

report::ReportFont ReadReportFont(RegIni& store) {
    report::ReportFont font;
    const report::ReportFont defaults;
    font.name = store.ReadText(names::kFontName, defaults.name);
    font.size = store.ReadInteger(names::kFontSize, defaults.size);
    if (font.name.empty() || font.size < kSmallestFontSize || font.size > kLargestFontSize) {
        font.name = defaults.name;
        font.size = defaults.size;
    }
    font.bold = store.ReadBoolean(names::kBold, false);
    font.italic = store.ReadBoolean(names::kItalic, false);
    font.underline = store.ReadBoolean(names::kUnderline, false);
    font.strikeOut = store.ReadBoolean(names::kStrikeOut, false);
    return font;
}

void WriteReportFont(RegIni& store, const report::ReportFont& font) {
    store.WriteText(names::kFontName, font.name);
    store.WriteInteger(names::kFontSize, font.size);
    store.WriteBoolean(names::kBold, font.bold);
    store.WriteBoolean(names::kItalic, font.italic);
    store.WriteBoolean(names::kUnderline, font.underline);
    store.WriteBoolean(names::kStrikeOut, font.strikeOut);
}

std::optional<std::int32_t> StoredInteger(const RegIni& store, std::string_view name) {
    const auto value = store.ReadValue(name);
    const auto* integer = value ? std::get_if<std::int32_t>(&*value) : nullptr;
    return integer != nullptr ? std::optional(*integer) : std::nullopt;
}

} // namespace

ApplicationOptions ReadApplicationOptions(RegIni& store) {
    store.SetCurSubKey(framework::settings_keys::kRootKey);
    ApplicationOptions options;
    options.showHints = store.ReadBoolean(names::kShowHints, true);
    options.window.showButtonHints = store.ReadBoolean(names::kShowButtonHints, true);
    options.showToolbarHints = store.ReadBoolean(names::kShowToolbarHints, true);
    options.window.savePositions = store.ReadBoolean(names::kSavePositions, true);
    options.window.restorePositions = store.ReadBoolean(names::kRestorePositions, true);
    options.colorBackground = store.ReadBoolean(names::kColorBackground, true);
    options.reportFont = ReadReportFont(store);
    return options;
}

void WriteApplicationOptions(RegIni& store, const ApplicationOptions& options,
                             std::optional<framework::WindowPosition> mainWindowPosition) {
    RegIni::Batch batch(store);
    store.SetCurSubKey(framework::settings_keys::kRootKey);
    store.WriteBoolean(names::kShowHints, options.showHints);
    store.WriteBoolean(names::kShowButtonHints, options.window.showButtonHints);
    store.WriteBoolean(names::kShowToolbarHints, options.showToolbarHints);
    store.WriteBoolean(names::kSavePositions, options.window.savePositions);
    store.WriteBoolean(names::kRestorePositions, options.window.restorePositions);
    store.WriteBoolean(names::kColorBackground, options.colorBackground);
    WriteReportFont(store, options.reportFont);
    store.WriteBoolean(names::kReindexDatabase, options.reindexDatabase);
    if (mainWindowPosition) {
        store.WriteInteger(names::kLeft, mainWindowPosition->left);
        store.WriteInteger(names::kTop, mainWindowPosition->top);
    }
    batch.Commit();
}

std::optional<framework::WindowPosition> ReadMainWindowPosition(RegIni& store) {
    store.SetCurSubKey(framework::settings_keys::kRootKey);
    const auto left = StoredInteger(store, names::kLeft);
    const auto top = StoredInteger(store, names::kTop);
    if (!left || !top) {
        return std::nullopt;
    }
    return framework::WindowPosition{*left, *top};
}

} // namespace quarvex::shell
