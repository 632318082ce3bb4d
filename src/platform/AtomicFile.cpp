#include "platform/AtomicFile.h"

#include "platform/FileDescriptor.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quarvex {

namespace {

std::string Describe(EFileReplace::Step step, int error, const std::filesystem::path& path) {
    const char* what = "replace";
    switch (step) {
    case EFileReplace::Step::CreateFolder:
        what = "create the folder of";
        break;
    case EFileReplace::Step::CreateTemporary:
        what = "create a temporary file beside";
        break;
    case EFileReplace::Step::Write:
        what = "write";
        break;
    case EFileReplace::Step::Replace:
        break;
    }
    return std::string("Could not ") + what + " \"" + path.string() + "\": " + std::strerror(error);
}

// Removes the temporary file unless it became the target.
struct Temporary {
    std::filesystem::path path;
    bool renamed = false;
    ~Temporary() {
        if (!path.empty() && !renamed) {
            ::unlink(path.c_str());
        }
    }
};

int WriteAll(int fd, std::span<const char> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return 0;
}

} // namespace

EFileReplace::EFileReplace(Step step, int error, const std::filesystem::path& path)
    : Exception(Describe(step, error, path)), step_(step), error_(error) {}

std::string EFileReplace::Reason() const {
    return std::strerror(error_);
}

void SyncFolder(const std::filesystem::path& folder) {
    FileDescriptor fd(
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.IsOpen()) {
        ::fsync(fd.Get());
    }
}

void ReplaceFileAtomically(const std::filesystem::path& target, std::span<const char> bytes,
                           MissingFolder missingFolder, const BeforeReplaceHook& beforeReplace) {
    using Step = EFileReplace::Step;
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    if (missingFolder == MissingFolder::Create) {
        std::error_code created;
        std::filesystem::create_directories(folder, created);
        if (created) {
            throw EFileReplace(Step::CreateFolder, created.value(), target);
        }
    }
    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    FileDescriptor fd(::mkostemp(pattern.data(), O_CLOEXEC));
    if (!fd.IsOpen()) {
        throw EFileReplace(Step::CreateTemporary, errno, target);
    }
    Temporary temporary{pattern};
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
        ::fchmod(fd.Get(), existing.st_mode & 07777);
    } else {
        // mkostemp makes the file private; a new file gets the usual permissions.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd.Get(), 0666 & ~mask);
    }
    if (const int error = WriteAll(fd.Get(), bytes); error != 0) {
        throw EFileReplace(Step::Write, error, target);
    }
    if (::fsync(fd.Get()) != 0 || fd.Close() != 0) {
        throw EFileReplace(Step::Write, errno, target);
    }
    if (beforeReplace) {
        beforeReplace(temporary.path);
    }
    if (::rename(temporary.path.c_str(), target.c_str()) != 0) {
        throw EFileReplace(Step::Replace, errno, target);
    }
    temporary.renamed = true;
    SyncFolder(folder);
}

} // namespace quarvex
