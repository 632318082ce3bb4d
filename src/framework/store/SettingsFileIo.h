#pragma once

#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

// The file operations behind the settings store: whole-file reads with an identity stamp,
// atomic replacement, the lock that serialises writers and setting a damaged file aside.
namespace quarvex::framework::settings_file {

// Enough of a file's identity to notice that another program replaced or changed it.
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    std::timespec modified{};

    bool operator==(const FileStamp& other) const;
};

struct FileContent {
    std::string text;
    FileStamp stamp;
};

// nullopt when the file does not exist. Throws ERegIni when it exists but cannot be read.
std::optional<FileContent> ReadWholeFile(const std::filesystem::path& file);

// nullopt when the file does not exist (or cannot be examined).
std::optional<FileStamp> StampOf(const std::filesystem::path& file);

// Holds an exclusive lock on a lock file (created when missing) for its lifetime. Every
// program that writes the settings takes it around its read-modify-write.
class ExclusiveLock {
public:
    explicit ExclusiveLock(const std::filesystem::path& lockFile);
    ~ExclusiveLock();
    ExclusiveLock(const ExclusiveLock&) = delete;
    ExclusiveLock& operator=(const ExclusiveLock&) = delete;

private:
    int descriptor_ = -1;
};

// Called with the temporary file, complete and synced, just before it replaces the target.
using BeforeReplaceHook = std::function<void(const std::filesystem::path& temporaryFile)>;

// Writes text to a new file in the target's folder (creating the folder when needed), syncs
// it, renames it over the target and syncs the folder. On any failure the temporary file is
// removed, the target keeps its old content and ERegIni (or the hook's exception) is thrown.
void ReplaceFileAtomically(const std::filesystem::path& target, std::string_view text,
                           const BeforeReplaceHook& beforeReplace);

// Renames a damaged file to "<name>.corrupt", or "<name>.2.corrupt", "<name>.3.corrupt", ...
// when earlier ones exist, and returns the new name. Throws ERegIni when it cannot.
std::filesystem::path SetAside(const std::filesystem::path& file);

} // namespace quarvex::framework::settings_file
