#include "framework/store/RegIni.h"

#include "framework/store/ERegIni.h"
#include "framework/store/RegTextFormat.h"

#include <cmath>
#include <exception>
#include <limits>
#include <stdexcept>
#include <utility>

namespace quarvex::framework {

namespace {

template <typename T> const T* As(const RegValue* value) {
    return value == nullptr ? nullptr : std::get_if<T>(value);
}

std::string Describe(const RegTextError& error) {
    return error.line == 0 ? error.reason
                           : "line " + std::to_string(error.line) + ": " + error.reason;
}

} // namespace

RegIni::RegIni(std::filesystem::path file, RegIniOptions options)
    : file_(std::move(file)), options_(std::move(options)) {
    lockFile_ = file_;
    lockFile_ += ".lock";
    Refresh();
}

void RegIni::SetCurSubKey(std::string_view path) {
    curSubKey_ = SplitKeyPath(path);
}

std::string RegIni::CurSubKey() const {
    return JoinKeyPath(curSubKey_);
}

const RegValue* RegIni::Find(std::string_view name) const {
    Refresh();
    return tree_.FindValue(curSubKey_, name);
}

std::int32_t RegIni::ReadInteger(std::string_view name, std::int32_t defaultValue) const {
    const auto* value = As<std::int32_t>(Find(name));
    return value ? *value : defaultValue;
}

bool RegIni::ReadBoolean(std::string_view name, bool defaultValue) const {
    const auto* value = As<bool>(Find(name));
    return value ? *value : defaultValue;
}

double RegIni::ReadReal(std::string_view name, double defaultValue) const {
    const auto* value = As<double>(Find(name));
    return value ? *value : defaultValue;
}

std::string RegIni::ReadText(std::string_view name, std::string_view defaultValue) const {
    const auto* value = As<std::string>(Find(name));
    return value ? *value : std::string(defaultValue);
}

std::int16_t RegIni::ReadInt16(std::string_view name, std::int16_t defaultValue) const {
    const auto* value = As<std::int32_t>(Find(name));
    if (value == nullptr || *value < std::numeric_limits<std::int16_t>::min() ||
        *value > std::numeric_limits<std::int16_t>::max()) {
        return defaultValue;
    }
    return static_cast<std::int16_t>(*value);
}

float RegIni::ReadFloat(std::string_view name, float defaultValue) const {
    const auto* value = As<double>(Find(name));
    if (value == nullptr ||
        (std::isfinite(*value) && std::fabs(*value) > std::numeric_limits<float>::max())) {
        return defaultValue;
    }
    return static_cast<float>(*value);
}

std::optional<RegValue> RegIni::ReadValue(std::string_view name) const {
    const RegValue* value = Find(name);
    return value ? std::optional<RegValue>(*value) : std::nullopt;
}

void RegIni::WriteInteger(std::string_view name, std::int32_t value) {
    WriteValue(name, RegValue(value));
}

void RegIni::WriteBoolean(std::string_view name, bool value) {
    WriteValue(name, RegValue(value));
}

void RegIni::WriteReal(std::string_view name, double value) {
    WriteValue(name, RegValue(value));
}

void RegIni::WriteText(std::string_view name, std::string_view value) {
    WriteValue(name, RegValue(std::string(value)));
}

void RegIni::WriteInt16(std::string_view name, std::int16_t value) {
    WriteInteger(name, value);
}

void RegIni::WriteFloat(std::string_view name, float value) {
    WriteReal(name, static_cast<double>(value));
}

void RegIni::WriteValue(std::string_view name, RegValue value) {
    Change({RegChange::Action::SetValue, curSubKey_, std::string(name), std::move(value)});
}

bool RegIni::ValueExists(std::string_view name) const {
    return Find(name) != nullptr;
}

std::optional<RegValueKind> RegIni::ValueKind(std::string_view name) const {
    const RegValue* value = Find(name);
    return value ? std::optional<RegValueKind>(KindOf(*value)) : std::nullopt;
}

void RegIni::DeleteValue(std::string_view name) {
    Change({RegChange::Action::DeleteValue, curSubKey_, std::string(name), {}});
}

std::vector<std::string> RegIni::ValueNames() const {
    Refresh();
    std::vector<std::string> names;
    if (const auto* key = tree_.Find(curSubKey_)) {
        for (const auto& [folded, entry] : key->values) {
            names.push_back(entry.name);
        }
    }
    return names;
}

std::vector<std::string> RegIni::SubKeyNames() const {
    Refresh();
    std::vector<std::string> names;
    if (const auto* key = tree_.Find(curSubKey_)) {
        for (const auto& [folded, subKey] : key->subKeys) {
            names.push_back(subKey->name);
        }
    }
    return names;
}

void RegIni::CreateKey(std::string_view path) {
    Change({RegChange::Action::CreateKey, SplitKeyPath(path), {}, {}});
}

void RegIni::DeleteKey(std::string_view path) {
    RegKeyPath key = SplitKeyPath(path);
    if (key.empty()) {
        throw std::invalid_argument("RegIni::DeleteKey: the root key cannot be deleted");
    }
    Change({RegChange::Action::DeleteKey, std::move(key), {}, {}});
}

bool RegIni::KeyExists(std::string_view path) const {
    Refresh();
    return tree_.Find(SplitKeyPath(path)) != nullptr;
}

void RegIni::Change(RegChange change) {
    if (options_.readOnly) {
        throw ERegIni("The settings \"" + file_.string() + "\" are open for reading only.");
    }
    Refresh();
    ApplyChange(tree_, change);
    pending_.push_back(std::move(change));
    if (batchDepth_ == 0) {
        Flush();
    }
}

void RegIni::Flush() {
    if (pending_.empty()) {
        return;
    }
    settings_file::ExclusiveLock lock(lockFile_);
    RegKeyTree merged;
    if (auto content = settings_file::ReadWholeFile(file_)) {
        auto parsed = ParseRegText(content->text);
        if (auto* error = std::get_if<RegTextError>(&parsed)) {
            // Never write over a damaged file: it goes aside first, or nothing is written.
            const auto aside = settings_file::SetAside(file_);
            NoteDamage(*error, "It was kept as \"" + aside.string() + "\".");
        } else {
            merged = std::move(std::get<RegKeyTree>(parsed));
        }
    }
    for (const auto& change : pending_) {
        ApplyChange(merged, change);
    }
    settings_file::ReplaceFileAtomically(file_, FormatRegText(merged), options_.beforeReplace);
    pending_.clear();
    tree_ = std::move(merged);
    stamp_ = settings_file::StampOf(file_);
    loaded_ = true;
}

void RegIni::Refresh() const {
    if (loaded_ && settings_file::StampOf(file_) == stamp_) {
        return;
    }
    Reload();
}

void RegIni::Reload() const {
    RegKeyTree tree;
    std::optional<settings_file::FileStamp> stamp;
    if (auto content = settings_file::ReadWholeFile(file_)) {
        stamp = content->stamp;
        auto parsed = ParseRegText(content->text);
        if (auto* error = std::get_if<RegTextError>(&parsed)) {
            tree = RecoverDamagedFile(*error);
            stamp = settings_file::StampOf(file_);
        } else {
            tree = std::move(std::get<RegKeyTree>(parsed));
        }
    }
    for (const auto& change : pending_) {
        ApplyChange(tree, change);
    }
    tree_ = std::move(tree);
    stamp_ = stamp;
    loaded_ = true;
}

RegKeyTree RegIni::RecoverDamagedFile(const RegTextError& error) const {
    if (options_.readOnly) {
        NoteDamage(error, "It was left as it is.");
        return RegKeyTree();
    }
    try {
        settings_file::ExclusiveLock lock(lockFile_);
        // Another program may have replaced the file since it was read.
        if (auto content = settings_file::ReadWholeFile(file_)) {
            auto parsed = ParseRegText(content->text);
            if (auto* tree = std::get_if<RegKeyTree>(&parsed)) {
                return std::move(*tree);
            }
            const auto aside = settings_file::SetAside(file_);
            NoteDamage(std::get<RegTextError>(parsed),
                       "It was kept as \"" + aside.string() + "\".");
        }
    } catch (const ERegIni& failure) {
        // The file stays where it is; every later write tries again to move it aside first
        // and fails rather than write over it.
        NoteDamage(error, "It could not be kept aside (" + failure.Message() +
                              "), so no settings will be saved until it is moved or repaired.");
    }
    return RegKeyTree();
}

void RegIni::NoteDamage(const RegTextError& error, const std::string& outcome) const {
    notices_.push_back("The settings file \"" + file_.string() + "\" is damaged (" +
                       Describe(error) + "). Quarvex! starts from its default settings. " +
                       outcome);
}

std::optional<std::string> RegIni::TakeRecoveryNotice() {
    if (notices_.empty()) {
        return std::nullopt;
    }
    std::string text;
    for (const auto& notice : notices_) {
        text += text.empty() ? "" : "\r\r";
        text += notice;
    }
    notices_.clear();
    return text;
}

RegIni::Batch::Batch(RegIni& store) : store_(store), uncaughtAtStart_(std::uncaught_exceptions()) {
    ++store_.batchDepth_;
}

RegIni::Batch::~Batch() noexcept(false) {
    if (ended_) {
        return;
    }
    if (std::uncaught_exceptions() > uncaughtAtStart_) {
        --store_.batchDepth_; // unwinding: keep the changes pending, never throw
        return;
    }
    Commit();
}

void RegIni::Batch::Commit() {
    if (ended_) {
        return;
    }
    ended_ = true;
    if (--store_.batchDepth_ == 0) {
        store_.Flush();
    }
}

} // namespace quarvex::framework
