#include "platform/dbase/IndexCache.h"

#include "platform/dbase/Bytes.h"
#include "platform/dbase/FileIo.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace quarvex::dbase {

namespace {

constexpr std::string_view kMagic = "QVIDX001";
constexpr std::string_view kCacheExtension = ".qix";
constexpr std::string_view kTemporaryMark = ".tmp-";
constexpr std::uint64_t kMaxCacheSize = 1ull << 32;

void PutStamp(ByteSink& sink, const TableStamp& stamp) {
    sink.U64(stamp.device);
    sink.U64(stamp.inode);
    sink.U64(stamp.size);
    sink.U64(static_cast<std::uint64_t>(stamp.modifiedNs));
    sink.U64(static_cast<std::uint64_t>(stamp.changedNs));
    sink.U32(stamp.changeCounter);
    sink.U32(stamp.recordCount);
}

std::optional<TableStamp> GetStamp(ByteSource& source) {
    TableStamp stamp;
    const auto device = source.U64();
    const auto inode = source.U64();
    const auto size = source.U64();
    const auto modified = source.U64();
    const auto changed = source.U64();
    const auto counter = source.U32();
    const auto records = source.U32();
    if (!records) {
        return std::nullopt;
    }
    stamp.device = *device;
    stamp.inode = *inode;
    stamp.size = *size;
    stamp.modifiedNs = static_cast<std::int64_t>(*modified);
    stamp.changedNs = static_cast<std::int64_t>(*changed);
    stamp.changeCounter = *counter;
    stamp.recordCount = *records;
    return stamp;
}

std::filesystem::path TemporaryPath(const std::filesystem::path& cache, pid_t process) {
    return cache.parent_path() / ("." + cache.filename().string() + std::string(kTemporaryMark) +
                                  std::to_string(process));
}

// The process of a temporary named ".NAME.qix.tmp-PID", or 0 when the name is not one.
pid_t TemporaryOwner(std::string_view name) {
    const std::size_t mark = name.rfind(kTemporaryMark);
    if (name.size() < 2 || name[0] != '.' || mark == std::string_view::npos ||
        mark <= 1 + kCacheExtension.size() ||
        name.substr(mark - kCacheExtension.size(), kCacheExtension.size()) != kCacheExtension) {
        return 0;
    }
    const std::string_view digits = name.substr(mark + kTemporaryMark.size());
    if (digits.empty() || digits.size() > 9 || digits[0] == '0') {
        return 0;
    }
    pid_t process = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return 0;
        }
        process = process * 10 + (c - '0');
    }
    return process;
}

} // namespace

std::filesystem::path IndexCachePath(const std::filesystem::path& table) {
    std::filesystem::path cache = table;
    cache.replace_extension(".qix");
    return cache;
}

void WriteIndexCache(const std::filesystem::path& table, const TableStamp& stamp,
                     const std::vector<TagIndex*>& tags) {
    ByteSink sink;
    sink.Raw(kMagic);
    PutStamp(sink, stamp);
    sink.U32(static_cast<std::uint32_t>(tags.size()));
    for (const TagIndex* tag : tags) {
        sink.Text(tag->Expression().Canonical());
        sink.U16(static_cast<std::uint16_t>(tag->Expression().Width()));
        sink.U32(static_cast<std::uint32_t>(tag->Size()));
        const auto& recnos = tag->RecNos();
        sink.Raw(std::span(reinterpret_cast<const std::uint8_t*>(recnos.data()),
                           recnos.size() * sizeof(RecNo)));
        const auto& keys = tag->PaddedKeys();
        sink.Raw(std::span(reinterpret_cast<const std::uint8_t*>(keys.data()), keys.size()));
    }
    sink.U64(Checksum(sink.Bytes()));

    const std::filesystem::path path = IndexCachePath(table);
    const std::filesystem::path temporary = TemporaryPath(path, ::getpid());
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        return;
    }
    bool written = true;
    try {
        WriteAt(fd, 0, sink.Bytes(), temporary);
    } catch (...) {
        written = false;
    }
    written = ::close(fd) == 0 && written;
    if (!written || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
    }
}

void RemoveStaleIndexTemporaries(const std::filesystem::path& folder) {
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const pid_t process = TemporaryOwner(entry->path().filename().string());
        // A process that cannot be signalled for want of permission is alive (another user's).
        if (process > 0 && ::kill(process, 0) != 0 && errno == ESRCH) {
            ::unlink(entry->path().c_str());
        }
    }
}

bool ReadIndexCache(const std::filesystem::path& table, const TableStamp& stamp,
                    const std::vector<TagIndex*>& tags) {
    const std::filesystem::path path = IndexCachePath(table);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    std::vector<std::uint8_t> bytes;
    struct stat status {};
    bool read = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
                static_cast<std::uint64_t>(status.st_size) < kMaxCacheSize;
    if (read) {
        bytes.resize(static_cast<std::size_t>(status.st_size));
        try {
            read = ReadAt(fd, 0, bytes, path);
        } catch (...) {
            read = false;
        }
    }
    ::close(fd);
    if (!read || bytes.size() < kMagic.size() + 8 ||
        std::memcmp(bytes.data(), kMagic.data(), kMagic.size()) != 0) {
        return false;
    }
    const auto body = std::span<const std::uint8_t>(bytes).first(bytes.size() - 8);
    ByteSource sumSource(std::span<const std::uint8_t>(bytes).last(8));
    if (sumSource.U64() != Checksum(body)) {
        return false;
    }
    ByteSource source(body);
    source.Take(kMagic.size());
    if (GetStamp(source) != stamp) {
        return false;
    }
    const auto count = source.U32();
    if (!count) {
        return false;
    }
    std::vector<bool> filled(tags.size(), false);
    for (std::uint32_t index = 0; index < *count; ++index) {
        const auto expression = source.Text();
        const auto width = source.U16();
        const auto entries = source.U32();
        if (!entries || *entries > stamp.recordCount) {
            return false;
        }
        const auto recnoBytes = source.Take(std::size_t{*entries} * sizeof(RecNo));
        const auto keyBytes = source.Take(std::size_t{*entries} * *width);
        if (!keyBytes) {
            return false;
        }
        for (std::size_t at = 0; at < tags.size(); ++at) {
            TagIndex& tag = *tags[at];
            if (filled[at] || tag.Expression().Canonical() != *expression ||
                tag.Expression().Width() != *width) {
                continue;
            }
            std::vector<RecNo> recnos(*entries);
            if (!recnos.empty()) { // an empty tag: no bytes, and memcpy must not see null
                std::memcpy(recnos.data(), recnoBytes->data(), recnoBytes->size());
            }
            for (const RecNo record : recnos) {
                if (record == 0 || record > stamp.recordCount) {
                    return false;
                }
            }
            tag.AssignSorted(std::move(recnos),
                             std::vector<char>(keyBytes->begin(), keyBytes->end()));
            filled[at] = true;
        }
    }
    for (const bool done : filled) {
        if (!done) {
            return false;
        }
    }
    return true;
}

} // namespace quarvex::dbase
