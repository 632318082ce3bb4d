#include "platform/dbase/FileIo.h"

#include "framework/codec/CodecErrors.h"

#include <cerrno>
#include <fcntl.h>
#include <system_error>
#include <unistd.h>

namespace quarvex::dbase {

namespace {

[[noreturn]] void Fail(const char* doing, const std::filesystem::path& file, int error) {
    throw codec::EFileAccess(std::string("Cannot ") + doing + " \"" + file.string() +
                             "\": " + ErrorText(error) + ".");
}

} // namespace

std::string ErrorText(int error) {
    return std::error_code(error, std::generic_category()).message();
}

bool ReadAt(int fd, std::uint64_t offset, std::span<std::uint8_t> bytes,
            const std::filesystem::path& file) {
    while (!bytes.empty()) {
        const ssize_t count = ::pread(fd, bytes.data(), bytes.size(), static_cast<off_t>(offset));
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            Fail("read", file, errno);
        }
        if (count == 0) {
            return false;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(count));
        offset += static_cast<std::uint64_t>(count);
    }
    return true;
}

void WriteAt(int fd, std::uint64_t offset, std::span<const std::uint8_t> bytes,
             const std::filesystem::path& file) {
    while (!bytes.empty()) {
        const ssize_t count = ::pwrite(fd, bytes.data(), bytes.size(), static_cast<off_t>(offset));
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            Fail("write", file, errno);
        }
        if (count == 0) {
            Fail("write", file, ENOSPC);
        }
        bytes = bytes.subspan(static_cast<std::size_t>(count));
        offset += static_cast<std::uint64_t>(count);
    }
}

void SyncFile(int fd, const std::filesystem::path& file) {
    if (::fsync(fd) != 0) {
        Fail("save", file, errno);
    }
}

void TruncateFile(int fd, std::uint64_t size, const std::filesystem::path& file) {
    while (::ftruncate(fd, static_cast<off_t>(size)) != 0) {
        if (errno != EINTR) {
            Fail("resize", file, errno);
        }
    }
}

void SyncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        Fail("open the folder", folder, errno);
    }
    const int result = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    if (result != 0) {
        Fail("save the folder", folder, error);
    }
}

} // namespace quarvex::dbase
