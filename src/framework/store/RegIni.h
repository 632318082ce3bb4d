#pragma once

#include "framework/store/RegChange.h"
#include "framework/store/RegKeyTree.h"
#include "framework/store/RegTextFormat.h"
#include "framework/store/RegValue.h"
#include "framework/store/SettingsFileIo.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarvex::framework {

struct RegIniOptions {
    // Runs after the new file is complete and synced, just before it replaces the old one.
    // Tests throw from it to show that an interrupted write leaves the old file as it was.
    settings_file::BeforeReplaceHook beforeReplace;
    // Reading only, as the command line does: every write raises ERegIni, and a damaged file
    // is left where it is (reads see an empty store).
    bool readOnly = false;
};

// The user's settings: keys below one root, each holding named values of four kinds
// (32-bit integer, boolean, 8-byte real, text). Key and value names are kept byte for byte
// as first written and looked up without regard to ASCII case.
//
// Everything lives in one UTF-8 text file (see RegTextFormat.h), normally
// SettingsFilePath(ProcessEnvironment()). Each write outside a Batch replaces the file at
// once, atomically; inside a Batch the writes are collected and written together when the
// outermost Batch ends. Writing takes a lock beside the file, re-reads it and replays only
// this object's changes, so two programs (or two objects) sharing the file keep each other's
// values. Reads notice when another program changed the file and read it again.
//
// A damaged file (bad syntax, not UTF-8, cut short) is renamed aside with a ".corrupt"
// suffix, the store starts empty and TakeRecoveryNotice() says so once. A failed write throws
// ERegIni and leaves the old file in place; the unwritten changes stay pending and are
// retried by the next write.
//
// Reads throw ERegIni only when the file exists but cannot be read at all.
// Not thread-safe: one thread uses one object.
class RegIni {
public:
    class Batch;

    explicit RegIni(std::filesystem::path file, RegIniOptions options = {});
    RegIni(const RegIni&) = delete;
    RegIni& operator=(const RegIni&) = delete;
    RegIni(RegIni&&) = default;
    RegIni& operator=(RegIni&&) = default;

    const std::filesystem::path& FilePath() const { return file_; }

    // The key that value reads and writes address: a backslash-separated path below the
    // user's root, for instance "Software\\Kelvarn Software\\Quarvex!\\Loan Calculator".
    // Setting it creates nothing; the first write into it creates the key.
    void SetCurSubKey(std::string_view path);
    std::string CurSubKey() const;

    // Values of the current key. A read of an absent value, or of a value of another kind,
    // returns the default.
    std::int32_t ReadInteger(std::string_view name, std::int32_t defaultValue) const;
    bool ReadBoolean(std::string_view name, bool defaultValue) const;
    double ReadReal(std::string_view name, double defaultValue) const;
    std::string ReadText(std::string_view name, std::string_view defaultValue) const;
    // A stored integer outside the 16-bit range returns the default.
    std::int16_t ReadInt16(std::string_view name, std::int16_t defaultValue) const;
    // A stored real beyond the range of a float returns the default.
    float ReadFloat(std::string_view name, float defaultValue) const;
    std::optional<RegValue> ReadValue(std::string_view name) const;

    void WriteInteger(std::string_view name, std::int32_t value);
    void WriteBoolean(std::string_view name, bool value);
    void WriteReal(std::string_view name, double value);
    void WriteText(std::string_view name, std::string_view value);
    void WriteInt16(std::string_view name, std::int16_t value); // stored as an integer
    void WriteFloat(std::string_view name, float value);        // stored as a real
    void WriteValue(std::string_view name, RegValue value);

    bool ValueExists(std::string_view name) const;
    std::optional<RegValueKind> ValueKind(std::string_view name) const;
    void DeleteValue(std::string_view name);
    // Names of the current key's values and sub keys, as spelled, in case-folded order.
    std::vector<std::string> ValueNames() const;
    std::vector<std::string> SubKeyNames() const;

    // Keys, by their full backslash-separated path below the user's root (not relative to
    // the current key). DeleteKey removes the key with everything below it; it refuses the
    // root itself.
    void CreateKey(std::string_view path);
    void DeleteKey(std::string_view path);
    bool KeyExists(std::string_view path) const;

    // Writes pending changes now (Batch does this for you). Throws ERegIni on failure.
    void Flush();
    bool HasPendingChanges() const { return !pending_.empty(); }

    // The message about a damaged settings file that was set aside, once; nullopt after that
    // or when nothing happened. Several recoveries are joined into one text.
    std::optional<std::string> TakeRecoveryNotice();

private:
    const RegValue* Find(std::string_view name) const;
    void Change(RegChange change);
    void Refresh() const;
    void Reload() const;
    RegKeyTree RecoverDamagedFile(const RegTextError& error) const;
    void NoteDamage(const RegTextError& error, const std::string& outcome) const;

    std::filesystem::path file_;
    std::filesystem::path lockFile_;
    RegIniOptions options_;
    RegKeyPath curSubKey_;
    std::vector<RegChange> pending_;
    int batchDepth_ = 0;

    // The file as last seen plus the pending changes; refreshed when the file changes.
    mutable RegKeyTree tree_;
    mutable std::optional<settings_file::FileStamp> stamp_;
    mutable bool loaded_ = false;
    mutable std::vector<std::string> notices_;
};

// Collects the writes made while it lives and writes them as one file replacement when the
// outermost Batch ends. Commit() ends it early and reports a failed write as ERegIni. Ending
// by going out of scope writes too, and throws on failure just like a single write would;
// when the scope is left by another exception the changes stay pending for the next write.
class RegIni::Batch {
public:
    explicit Batch(RegIni& store);
    ~Batch() noexcept(false);
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

    void Commit();

private:
    RegIni& store_;
    int uncaughtAtStart_;
    bool ended_ = false;
};

} // namespace quarvex::framework
