#include "framework/store/SettingsFileIo.h"

#include "framework/store/ERegIni.h"
#include "platform/AtomicFile.h"
#include "platform/FileDescriptor.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>
#include <vector>

namespace quarvex::framework::settings_file {

namespace {

std::string SystemReason(int error) {
    return std::error_code(error, std::generic_category()).message();
}

[[noreturn]] void Fail(const std::string& what, const std::filesystem::path& file, int error) {
    throw ERegIni(what + " \"" + file.string() + "\": " + SystemReason(error) + ".");
}

FileStamp StampFromStat(const struct stat& info) {
    FileStamp stamp;
    stamp.device = info.st_dev;
    stamp.inode = info.st_ino;
    stamp.size = info.st_size;
    stamp.modified = info.st_mtim;
    return stamp;
}

} // namespace

bool FileStamp::operator==(const FileStamp& other) const {
    return device == other.device && inode == other.inode && size == other.size &&
           modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec;
}

std::optional<FileContent> ReadWholeFile(const std::filesystem::path& file) {
    FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return std::nullopt;
        }
        Fail("The settings could not be read from", file, errno);
    }
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0) {
        Fail("The settings could not be read from", file, errno);
    }
    FileContent content;
    content.stamp = StampFromStat(info);
    content.text.reserve(static_cast<std::size_t>(info.st_size));
    std::vector<char> buffer(64 * 1024);
    for (;;) {
        const ssize_t got = ::read(fd.Get(), buffer.data(), buffer.size());
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            Fail("The settings could not be read from", file, errno);
        }
        if (got == 0) {
            break;
        }
        content.text.append(buffer.data(), static_cast<std::size_t>(got));
    }
    return content;
}

std::optional<FileStamp> StampOf(const std::filesystem::path& file) {
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return StampFromStat(info);
}

ExclusiveLock::ExclusiveLock(const std::filesystem::path& lockFile) {
    std::error_code ignored;
    std::filesystem::create_directories(lockFile.parent_path(), ignored);
    FileDescriptor fd(::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
    if (fd.Get() < 0) {
        Fail("The settings lock could not be opened", lockFile, errno);
    }
    while (::flock(fd.Get(), LOCK_EX) != 0) {
        if (errno != EINTR) {
            Fail("The settings lock could not be taken", lockFile, errno);
        }
    }
    descriptor_ = fd.Release();
}

ExclusiveLock::~ExclusiveLock() {
    ::close(descriptor_); // closing the descriptor releases the lock
}

void ReplaceFileAtomically(const std::filesystem::path& target, std::string_view text,
                           const BeforeReplaceHook& beforeReplace) {
    try {
        quarvex::ReplaceFileAtomically(target, std::span<const char>(text.data(), text.size()),
                                       MissingFolder::Create, beforeReplace);
    } catch (const EFileReplace& failure) {
        const std::filesystem::path folder = target.parent_path();
        switch (failure.FailedStep()) {
        case EFileReplace::Step::CreateFolder:
            Fail("The settings folder could not be created", folder, failure.Error());
        case EFileReplace::Step::CreateTemporary:
            Fail("The settings could not be saved in", folder, failure.Error());
        case EFileReplace::Step::Write:
            Fail("The settings could not be written to", target, failure.Error());
        case EFileReplace::Step::Replace:
            break;
        }
        Fail("The settings file could not be replaced", target, failure.Error());
    }
}

std::filesystem::path SetAside(const std::filesystem::path& file) {
    for (int attempt = 1; attempt < 1000; ++attempt) {
        std::filesystem::path aside = file;
        aside += attempt == 1 ? ".corrupt" : "." + std::to_string(attempt) + ".corrupt";
        // link() never replaces an existing file, so an earlier copy is never lost.
        if (::link(file.c_str(), aside.c_str()) == 0) {
            if (::unlink(file.c_str()) != 0) {
                const int error = errno;
                ::unlink(aside.c_str());
                Fail("The damaged settings file could not be moved aside", file, error);
            }
            return aside;
        }
        if (errno != EEXIST) {
            // Some file systems have no hard links: fall back to a checked rename.
            if (errno != EPERM && errno != ENOTSUP) {
                Fail("The damaged settings file could not be moved aside", file, errno);
            }
            std::error_code exists;
            if (std::filesystem::exists(aside, exists)) {
                continue;
            }
            if (::rename(file.c_str(), aside.c_str()) != 0) {
                Fail("The damaged settings file could not be moved aside", file, errno);
            }
            return aside;
        }
    }
    throw ERegIni("The damaged settings file \"" + file.string() +
                  "\" could not be moved aside: too many earlier copies.");
}

} // namespace quarvex::framework::settings_file
