#pragma once

#include "platform/Exception.h"

#include <filesystem>
#include <functional>
#include <span>
#include <string>

namespace quarvex {

// Why replacing a file failed: the step, the system's error number and its text.
class EFileReplace : public Exception {
public:
    enum class Step { CreateFolder, CreateTemporary, Write, Replace };
    EFileReplace(Step step, int error, const std::filesystem::path& path);
    Step FailedStep() const { return step_; }
    int Error() const { return error_; }
    // The system's text for the error, e.g. "No space left on device".
    std::string Reason() const;

private:
    Step step_;
    int error_;
};

// Runs after the new contents are written and synced, just before they replace the old file.
using BeforeReplaceHook = std::function<void(const std::filesystem::path& temporary)>;

// What to do when the target's folder does not exist.
enum class MissingFolder { Fail, Create };

// Replaces `target` with `bytes` so that a crash or a full disk at any moment leaves either
// the old file or the new one, whole: a temporary file beside it is written, flushed to the
// disk and renamed over it, then the folder is synced. An existing file keeps its
// permissions. On failure the old file is untouched, the temporary file removed, and
// EFileReplace says which step failed.
void ReplaceFileAtomically(const std::filesystem::path& target, std::span<const char> bytes,
                           MissingFolder missingFolder = MissingFolder::Fail,
                           const BeforeReplaceHook& beforeReplace = {});

// Makes a rename in the folder durable; a folder that cannot be synced costs durability only.
void SyncFolder(const std::filesystem::path& folder);

} // namespace quarvex
