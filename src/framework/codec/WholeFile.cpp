#include "framework/codec/WholeFile.h"

#include "platform/AtomicFile.h"
#include "platform/FileDescriptor.h"

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

} // namespace

std::vector<std::uint8_t> ReadWholeFile(const std::filesystem::path& path, std::size_t maxBytes) {
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
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
    try {
        ReplaceFileAtomically(
            path, std::span<const char>(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    } catch (const EFileReplace& failure) {
        throw CannotWrite(path, Reason(failure.Error()));
    }
}

} // namespace quarvex::codec
