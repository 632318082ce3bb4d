#include "framework/codec/WholeFile.h"

#include "framework/codec/CodecErrors.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace quarvex::codec {

namespace {

std::string Reason(int error) {
    return std::error_code(error, std::generic_category()).message();
}

EFileAccess CannotRead(const std::filesystem::path& path, const std::string& why) {
    return EFileAccess("Cannot read the file \"" + path.string() + "\": " + why + ".");
}

EFileAccess CannotWrite(const std::filesystem::path& path, const std::string& why) {
    return EFileAccess("Cannot save the file \"" + path.string() + "\": " + why + ".");
}

// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int Get() const { return fd_; }
    // Closes now and reports the error a late write may only show here.
    int Close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};

// Creates a new, empty file beside `path` that no one else has opened.
std::filesystem::path CreateTemporary(const std::filesystem::path& path, int& fd) {
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    const std::string stem = "." + path.filename().string() + ".tmp-" + std::to_string(::getpid());
    for (int attempt = 0; attempt < 1000; ++attempt) {
        std::filesystem::path candidate = folder / (stem + "-" + std::to_string(attempt));
        fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            return candidate;
        }
        if (errno != EEXIST) {
            throw CannotWrite(path, Reason(errno));
        }
    }
    throw CannotWrite(path, "no temporary file could be made beside it");
}

// 0, or the error number of the write that failed.
int WriteAll(int fd, std::span<const std::uint8_t> bytes) {
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

// Writes, flushes to the disk and closes the temporary file, then renames it over the
// target; 0, or the error number of the step that failed.
int Replace(Descriptor& file, const std::filesystem::path& temporary,
            const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
        ::fchmod(file.Get(), existing.st_mode & 07777);
    }
    if (const int error = WriteAll(file.Get(), bytes); error != 0) {
        return error;
    }
    if (::fsync(file.Get()) != 0 || file.Close() != 0) {
        return errno;
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        return errno;
    }
    return 0;
}

// Makes the rename itself durable; a folder that cannot be synced costs durability only.
void SyncFolder(const std::filesystem::path& path) {
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

std::vector<std::uint8_t> ReadWholeFile(const std::filesystem::path& path, std::size_t maxBytes) {
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.Get() < 0) {
        throw CannotRead(path, Reason(errno));
    }
    struct stat status {};
    if (::fstat(file.Get(), &status) != 0) {
        throw CannotRead(path, Reason(errno));
    }
    if (!S_ISREG(status.st_mode)) {
        throw CannotRead(path, "it is not a regular file");
    }
    std::vector<std::uint8_t> bytes;
    std::vector<std::uint8_t> chunk(65536);
    for (;;) {
        const ssize_t count = ::read(file.Get(), chunk.data(), chunk.size());
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw CannotRead(path, Reason(errno));
        }
        if (count == 0) {
            return bytes;
        }
        if (static_cast<std::size_t>(count) > maxBytes - bytes.size()) {
            throw CannotRead(path, "it is too large to be a data file of this program");
        }
        bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + count);
    }
}

void WriteWholeFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    int fd = -1;
    const std::filesystem::path temporary = CreateTemporary(path, fd);
    Descriptor file(fd);
    if (const int error = Replace(file, temporary, path, bytes); error != 0) {
        ::unlink(temporary.c_str());
        throw CannotWrite(path, Reason(error));
    }
    SyncFolder(path);
}

} // namespace quarvex::codec
