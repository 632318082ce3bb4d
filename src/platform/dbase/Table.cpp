#include "platform/dbase/Table.h"

#include "framework/codec/CodecErrors.h"
#include "platform/dbase/Database.h"
#include "platform/dbase/DbaseErrors.h"
#include "platform/dbase/FileIo.h"
#include "platform/dbase/Flock.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quarvex::dbase {

namespace {

constexpr std::size_t kReadAhead = 64 * 1024; // records read at once while walking
constexpr std::size_t kScanChunk = 1 << 20;   // bytes read at once while scanning

std::string UpperName(std::string_view name) {
    return CanonicalFieldName(name);
}

std::string Quoted(const std::string& name) {
    return "\"" + name + "\"";
}

std::int64_t Nanoseconds(const timespec& time) {
    return static_cast<std::int64_t>(time.tv_sec) * 1000000000 + time.tv_nsec;
}

} // namespace

Table::ReadLock::ReadLock(Table& table) : table_(table) {
    table_.database_.EnterRead();
    try {
        table_.EnsureFresh();
    } catch (...) {
        table_.database_.LeaveRead();
        throw;
    }
}

Table::ReadLock::~ReadLock() {
    table_.database_.LeaveRead();
}

Table::WriteLock::WriteLock(Table& table) : table_(table) {
    table_.database_.EnterWrite();
    try {
        table_.EnsureFresh();
    } catch (...) {
        table_.database_.LeaveWrite();
        throw;
    }
}

Table::WriteLock::~WriteLock() {
    table_.database_.LeaveWrite();
}

Table::Table(Database& database, std::filesystem::path path, const TableSchema& schema,
             OpenMode mode)
    : database_(database), path_(std::move(path)), fileName_(path_.filename().string()),
      mode_(mode) {
    // The file's own lock first, then the folder's: a program packing the table holds the
    // first and may be waiting for the second.
    OpenFile();
    try {
        database_.EnterRead();
    } catch (...) {
        CloseFile();
        throw;
    }
    try {
        const TableStamp stamp = CurrentStamp();
        LoadHeader(stamp.size);
        CheckSchema(schema);
        for (const TagSpec& tag : schema.tags) {
            const std::string name = UpperName(tag.name);
            if (name.empty() || HasTag(name)) {
                throw EInvalidRequest("The index tag \"" + tag.name + "\" of " + Quoted(fileName_) +
                                      " is empty or named twice.");
            }
            tags_.push_back(
                std::make_unique<TagIndex>(name, TagExpression(tag.expression, *layout_)));
        }
        stamp_ = stamp;
        LoadTags();
        checkedSerial_ = database_.Serial();
    } catch (...) {
        database_.LeaveRead();
        CloseFile();
        throw;
    }
    database_.LeaveRead();
}

Table::~Table() {
    if (cacheDirty_) {
        try {
            SaveIndexCache();
        } catch (...) {
            // The cache is a copy: the next open rebuilds it.
        }
    }
    CloseFile();
}

void Table::OpenFile() {
    fd_ = ::open(path_.c_str(), O_RDWR | O_CLOEXEC);
    writable_ = fd_ >= 0;
    if (fd_ < 0 && (errno == EACCES || errno == EROFS || errno == EPERM)) {
        fd_ = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
    }
    if (fd_ < 0) {
        throw codec::EFileAccess("Cannot open the table " + Quoted(path_.string()) + ": " +
                                 ErrorText(errno) + ".");
    }
    struct stat status {};
    if (::fstat(fd_, &status) != 0 || !S_ISREG(status.st_mode)) {
        CloseFile();
        throw codec::EFileAccess("Cannot open the table " + Quoted(path_.string()) +
                                 ": it is not a regular file.");
    }
    const std::string what = "the table " + Quoted(path_.string());
    if (mode_ == OpenMode::Exclusive) {
        if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
            CloseFile();
            throw ETableInUse("The table " + Quoted(fileName_) +
                              " is open in another program; close it there first.");
        }
    } else if (!FlockWithin(fd_, LOCK_SH, database_.options_.lockTimeout, what.c_str())) {
        CloseFile();
        throw ETableInUse("The table " + Quoted(fileName_) +
                          " is being packed or reindexed by another program; please try again "
                          "in a moment.");
    }
}

void Table::CloseFile() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

void Table::RequireWritable() const {
    if (!writable_) {
        throw codec::EFileAccess("Cannot change the table " + Quoted(path_.string()) +
                                 ": the file is read-only.");
    }
}

void Table::RequireExclusive(const char* work) const {
    if (mode_ != OpenMode::Exclusive) {
        throw ETableInUse("The table " + Quoted(fileName_) + " must be opened for exclusive use " +
                          work + ".");
    }
}

TableStamp Table::CurrentStamp(std::array<std::uint8_t, kHeaderPrefix>* prefix) const {
    struct stat status {};
    if (::fstat(fd_, &status) != 0) {
        throw codec::EFileAccess("Cannot read the table " + Quoted(path_.string()) + ": " +
                                 ErrorText(errno) + ".");
    }
    TableStamp stamp;
    stamp.device = static_cast<std::uint64_t>(status.st_dev);
    stamp.inode = static_cast<std::uint64_t>(status.st_ino);
    stamp.size = static_cast<std::uint64_t>(status.st_size);
    stamp.modifiedNs = Nanoseconds(status.st_mtim);
    stamp.changedNs = Nanoseconds(status.st_ctim);
    std::array<std::uint8_t, kHeaderPrefix> bytes{};
    if (stamp.size >= kHeaderPrefix && ReadAt(fd_, 0, bytes, path_)) {
        stamp.recordCount = static_cast<std::uint32_t>(bytes[4] | bytes[5] << 8 | bytes[6] << 16 |
                                                       static_cast<std::uint32_t>(bytes[7]) << 24);
        stamp.changeCounter =
            static_cast<std::uint32_t>(bytes[16] | bytes[17] << 8 | bytes[18] << 16 |
                                       static_cast<std::uint32_t>(bytes[19]) << 24);
    }
    if (prefix != nullptr) {
        *prefix = bytes;
    }
    return stamp;
}

void Table::LoadHeader(std::uint64_t fileSize) {
    std::array<std::uint8_t, kHeaderPrefix> prefix{};
    std::vector<std::uint8_t> bytes;
    std::array<std::uint8_t, 1> last{};
    if (fileSize >= kHeaderPrefix && ReadAt(fd_, 0, prefix, path_) &&
        ReadAt(fd_, fileSize - 1, last, path_)) {
        const std::size_t length = std::min<std::uint64_t>(
            std::max<std::size_t>(HeaderLengthOf(prefix), kHeaderPrefix), fileSize);
        bytes.resize(length);
        if (!ReadAt(fd_, 0, bytes, path_)) {
            bytes.clear();
        }
    }
    TableHeader header = DecodeHeader(bytes, fileSize, last[0], fileName_);
    if (!layout_) {
        layout_ = std::make_shared<const Layout>(fileName_, header.fields);
    } else if (layout_->Fields() != header.fields) {
        throw ETableMismatch("The table " + Quoted(fileName_) +
                             " was changed by another program and no longer has the fields it "
                             "was opened with; close it and open it again.");
    }
    header_ = std::move(header);
    DropBuffer();
}

void Table::CheckSchema(const TableSchema& schema) const {
    for (const FieldSpec& wanted : schema.fields) {
        const auto index = layout_->Find(wanted.name);
        if (!index) {
            throw ETableMismatch("The table " + Quoted(fileName_) + " has no field " +
                                 UpperName(wanted.name) + ", which this program needs.");
        }
        const FieldType type = layout_->Field(*index).type;
        const bool numbers = (type == FieldType::Numeric || type == FieldType::Float) &&
                             (wanted.type == FieldType::Numeric || wanted.type == FieldType::Float);
        if (type != wanted.type && !numbers) {
            throw ETableMismatch(
                "The field " + UpperName(wanted.name) + " of the table " + Quoted(fileName_) +
                " is of type " + std::string(1, static_cast<char>(type)) + ", not of type " +
                std::string(1, static_cast<char>(wanted.type)) + " as this program needs.");
        }
    }
}

void Table::LoadTags() {
    if (tags_.empty()) {
        return;
    }
    std::vector<TagIndex*> tags;
    for (const auto& tag : tags_) {
        tags.push_back(tag.get());
    }
    ++generation_;
    if (ReadIndexCache(path_, stamp_, tags)) {
        cacheDirty_ = false;
        return;
    }
    RebuildTags({});
    SaveIndexCache();
}

void Table::RebuildTags(const Progress& progress) {
    const std::uint32_t total = header_.recordCount;
    const std::size_t length = header_.recordLength;
    std::vector<std::vector<TagIndex::Entry>> entries(tags_.size());
    for (auto& list : entries) {
        list.reserve(total);
    }
    if (progress) {
        progress(0, total);
    }
    const std::size_t perChunk = std::max<std::size_t>(1, kScanChunk / length);
    std::vector<std::uint8_t> chunk;
    for (std::uint32_t first = 1; first <= total;) {
        const std::size_t count = std::min<std::size_t>(perChunk, total - first + 1);
        chunk.resize(count * length);
        if (!ReadAt(fd_, header_.headerLength + std::uint64_t{first - 1} * length, chunk, path_)) {
            throw EDamagedTable("The table " + Quoted(fileName_) +
                                " is damaged: the file ends before its last record.");
        }
        for (std::size_t at = 0; at < count; ++at) {
            const std::span<const std::uint8_t> image(chunk.data() + at * length, length);
            if (image[0] == kRecordDeleted) {
                continue;
            }
            const RecNo record = first + static_cast<RecNo>(at);
            for (std::size_t tag = 0; tag < tags_.size(); ++tag) {
                entries[tag].emplace_back(tags_[tag]->Expression().KeyOf(image), record);
            }
        }
        first += static_cast<std::uint32_t>(count);
        if (progress) {
            progress(first - 1, total);
        }
    }
    for (std::size_t tag = 0; tag < tags_.size(); ++tag) {
        tags_[tag]->Assign(std::move(entries[tag]));
    }
    ++generation_;
    cacheDirty_ = true;
}

void Table::SaveIndexCache() {
    if (tags_.empty()) {
        cacheDirty_ = false;
        return;
    }
    std::vector<TagIndex*> tags;
    for (const auto& tag : tags_) {
        tags.push_back(tag.get());
    }
    WriteIndexCache(path_, stamp_, tags);
    cacheDirty_ = false;
}

void Table::Forget() {
    stamp_ = TableStamp{};
    checkedSerial_ = 0;
    DropBuffer();
}

void Table::EnsureFresh() {
    if (checkedSerial_ == database_.Serial() && stamp_ != TableStamp{}) {
        return;
    }
    struct stat onDisk {};
    if (::stat(path_.c_str(), &onDisk) != 0) {
        throw codec::EFileAccess("The table " + Quoted(path_.string()) +
                                 " can no longer be found: " + ErrorText(errno) + ".");
    }
    struct stat open {};
    if (::fstat(fd_, &open) != 0 || open.st_ino != onDisk.st_ino || open.st_dev != onDisk.st_dev) {
        // Another program put a new file in its place (a pack, a restored copy).
        CloseFile();
        OpenFile();
        stamp_ = TableStamp{};
    }
    const TableStamp stamp = CurrentStamp();
    if (stamp != stamp_) {
        LoadHeader(stamp.size);
        stamp_ = stamp;
        LoadTags();
        ++generation_;
    }
    checkedSerial_ = database_.Serial();
}

const TagIndex& Table::TagNamed(std::string_view tag) const {
    const std::string name = UpperName(tag);
    for (const auto& index : tags_) {
        if (index->Name() == name) {
            return *index;
        }
    }
    throw EInvalidRequest("The table " + Quoted(fileName_) + " has no index tag " + name + ".");
}

bool Table::HasTag(std::string_view tag) const {
    const std::string name = UpperName(tag);
    return std::any_of(tags_.begin(), tags_.end(),
                       [&](const auto& index) { return index->Name() == name; });
}

void Table::ReadImage(RecNo record, std::span<std::uint8_t> image) {
    const std::size_t length = header_.recordLength;
    if (record < bufferFirst_ || record >= bufferFirst_ + bufferCount_) {
        const std::size_t count = std::min<std::size_t>(
            std::max<std::size_t>(1, kReadAhead / length), header_.recordCount - record + 1);
        buffer_.resize(count * length);
        if (!ReadAt(fd_, header_.headerLength + std::uint64_t{record - 1} * length, buffer_,
                    path_)) {
            DropBuffer();
            throw EDamagedTable("The table " + Quoted(fileName_) +
                                " is damaged: the file ends before record " +
                                std::to_string(record) + ".");
        }
        bufferFirst_ = record;
        bufferCount_ = static_cast<std::uint32_t>(count);
    }
    std::memcpy(image.data(), buffer_.data() + std::size_t{record - bufferFirst_} * length, length);
}

bool Table::IsDeletedOnDisk(RecNo record) {
    if (record < bufferFirst_ || record >= bufferFirst_ + bufferCount_) {
        std::vector<std::uint8_t> image(header_.recordLength);
        ReadImage(record, image);
    }
    return buffer_[std::size_t{record - bufferFirst_} * header_.recordLength] == kRecordDeleted;
}

std::uint32_t Table::RecordCount() {
    ReadLock lock(*this);
    return header_.recordCount;
}

Record Table::Read(RecNo record) {
    ReadLock lock(*this);
    if (record == 0 || record > header_.recordCount) {
        throw EInvalidRequest("The table " + Quoted(fileName_) + " has no record " +
                              std::to_string(record) + "; it holds " +
                              std::to_string(header_.recordCount) + ".");
    }
    std::vector<std::uint8_t> image(header_.recordLength);
    ReadImage(record, image);
    return Record(layout_, record, image);
}

std::vector<RecNo> Table::RecordsWithKey(std::string_view tag, std::string_view key) {
    ReadLock lock(*this);
    const TagIndex& index = TagNamed(tag);
    const std::string sought = index.Expression().KeyOfText(key);
    const std::size_t first = index.LowerBound(sought);
    const std::size_t last = index.UpperBound(sought);
    std::vector<RecNo> records;
    records.reserve(last - first);
    for (std::size_t at = first; at < last; ++at) {
        records.push_back(index.RecNoAt(at));
    }
    return records;
}

std::size_t Table::CountWithPrefix(std::string_view tag, std::string_view prefix) {
    ReadLock lock(*this);
    const TagIndex& index = TagNamed(tag);
    const std::string sought = index.Expression().KeyOfText(prefix);
    const std::size_t first = index.LowerBound(sought);
    return index.PrefixEnd(first, sought) - first;
}

} // namespace quarvex::dbase
