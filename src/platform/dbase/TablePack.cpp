#include "platform/dbase/Table.h"

#include "framework/codec/CodecErrors.h"
#include "platform/dbase/Database.h"
#include "platform/dbase/DbaseErrors.h"
#include "platform/dbase/FileIo.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

// Packing and reindexing, the work of the indexing dialog at start-up.
namespace quarvex::dbase {

namespace {

constexpr std::size_t kScanChunk = 1 << 20; // bytes read at once while scanning

std::string Quoted(const std::string& name) {
    return "\"" + name + "\"";
}

} // namespace

void Table::Reindex(const Progress& progress) {
    RequireExclusive("to be reindexed");
    ReadLock lock(*this);
    RebuildTags(progress);
    SaveIndexCache();
}

void Table::Pack(const Progress& progress) {
    RequireExclusive("to be packed");
    if (database_.lock_.HoldsAny()) {
        // Packing renumbers the records: staged changes and open reads would point elsewhere.
        throw EInvalidRequest("The table \"" + fileName_ +
                              "\" cannot be packed inside a read or a change of the tables.");
    }
    WriteLock lock(*this);
    RequireWritable();
    const WriteStepHook& hook = database_.Hook();
    const std::uint32_t total = header_.recordCount;
    const std::size_t length = header_.recordLength;

    struct stat status {};
    const mode_t permissions = ::fstat(fd_, &status) == 0 ? (status.st_mode & 07777) : 0666;
    const std::filesystem::path temporary =
        path_.parent_path() / ("." + fileName_ + ".pack-" + std::to_string(::getpid()));
    ::unlink(temporary.c_str()); // a leftover of a pack of ours that was killed
    const int out = ::open(temporary.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, permissions);
    if (out < 0) {
        throw codec::EFileAccess("Cannot pack the table " + Quoted(path_.string()) + ": " +
                                 ErrorText(errno) + ".");
    }
    // Locked before anyone can see it under the table's name.
    ::flock(out, LOCK_EX | LOCK_NB);

    TableHeader header = header_;
    std::vector<std::vector<TagIndex::Entry>> entries(tags_.size());
    try {
        std::vector<std::uint8_t> headerBytes(header_.headerLength);
        if (!ReadAt(fd_, 0, headerBytes, path_)) {
            throw EDamagedTable("The table " + Quoted(fileName_) +
                                " is damaged: its header is cut short.");
        }
        if (progress) {
            progress(0, total);
        }
        std::vector<std::uint8_t> output;
        std::uint64_t written = header_.headerLength;
        RecNo kept = 0;
        const std::size_t perChunk = std::max<std::size_t>(1, kScanChunk / length);
        std::vector<std::uint8_t> chunk;
        for (std::uint32_t first = 1; first <= total;) {
            const std::size_t count = std::min<std::size_t>(perChunk, total - first + 1);
            chunk.resize(count * length);
            if (!ReadAt(fd_, header_.headerLength + std::uint64_t{first - 1} * length, chunk,
                        path_)) {
                throw EDamagedTable("The table " + Quoted(fileName_) +
                                    " is damaged: the file ends before its last record.");
            }
            for (std::size_t at = 0; at < count; ++at) {
                const std::span<const std::uint8_t> image(chunk.data() + at * length, length);
                if (image[0] == kRecordDeleted) {
                    continue;
                }
                ++kept;
                output.insert(output.end(), image.begin(), image.end());
                for (std::size_t tag = 0; tag < tags_.size(); ++tag) {
                    entries[tag].emplace_back(tags_[tag]->Expression().KeyOf(image), kept);
                }
            }
            BeforeStep(hook, "pack-write");
            WriteAt(out, written, output, temporary);
            written += output.size();
            output.clear();
            first += static_cast<std::uint32_t>(count);
            if (progress) {
                progress(first - 1, total);
            }
        }
        const std::uint8_t end = kEndOfFile;
        BeforeStep(hook, "pack-write");
        WriteAt(out, written, std::span(&end, 1), temporary);

        header.recordCount = kept;
        header.changeCounter = header_.changeCounter + 1;
        const Date today = database_.Today();
        header.updated = UpdateDateBytes(today.year, today.month, today.day);
        const auto fresh = EncodeHeaderPrefix(header);
        std::copy(fresh.begin() + 1, fresh.begin() + 8, headerBytes.begin() + 1);
        std::copy(fresh.begin() + 16, fresh.begin() + 20, headerBytes.begin() + 16);
        BeforeStep(hook, "pack-write");
        WriteAt(out, 0, headerBytes, temporary);
        BeforeStep(hook, "pack-sync");
        SyncFile(out, temporary);
        BeforeStep(hook, "pack-rename");
        if (::rename(temporary.c_str(), path_.c_str()) != 0) {
            throw codec::EFileAccess("Cannot pack the table " + Quoted(path_.string()) + ": " +
                                     ErrorText(errno) + ".");
        }
    } catch (...) {
        ::close(out);
        ::unlink(temporary.c_str());
        throw;
    }
    try {
        SyncFolder(path_.parent_path());
    } catch (...) {
        // The packed table is in place; only its durability after a power cut is less certain.
    }
    CloseFile();
    fd_ = out;
    header_ = std::move(header);
    for (std::size_t tag = 0; tag < tags_.size(); ++tag) {
        tags_[tag]->Assign(std::move(entries[tag]));
    }
    DropBuffer();
    stamp_ = CurrentStamp();
    ++generation_;
    SaveIndexCache();
}

} // namespace quarvex::dbase
