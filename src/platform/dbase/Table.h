#pragma once

#include "platform/dbase/Header.h"
#include "platform/dbase/IndexCache.h"
#include "platform/dbase/Layout.h"
#include "platform/dbase/Record.h"
#include "platform/dbase/TableSchema.h"
#include "platform/dbase/TagIndex.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quarvex::dbase {

class Cursor;
class Database;
struct JournalEntry;

// One open table file of a Database. The records stay on the disk and are read as needed;
// the header and the index tags are kept in memory. Every read first makes sure that the
// memory still matches the file (another program may have changed it), under the folder's
// shared lock; changes go through a Transaction. Deleted records are hidden from the tags and
// from cursors, as dBASE does with SET DELETED ON, but can still be read by number.
// (Table.cpp: opening, reading, keeping up to date; TableCommit.cpp: its part in a commit;
// TablePack.cpp: packing and reindexing.)
class Table {
public:
    ~Table();
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    const std::string& FileName() const { return fileName_; }
    const std::filesystem::path& Path() const { return path_; }
    const Layout& Fields() const { return *layout_; }
    OpenMode Mode() const { return mode_; }

    // The records in the file, deleted ones included (dBASE's RECCOUNT()).
    std::uint32_t RecordCount();
    // A blank record of this table, to fill and append.
    Record NewRecord() const { return Record(layout_); }
    // The record with this number (1 to RecordCount()), deleted or not.
    Record Read(RecNo record);

    bool HasTag(std::string_view tag) const;
    // The records whose key in the tag is exactly `key` (after the tag's UPPER, trailing
    // blanks ignored), in the order they were written.
    std::vector<RecNo> RecordsWithKey(std::string_view tag, std::string_view key);
    // How many records have a key in the tag that begins with `prefix`.
    std::size_t CountWithPrefix(std::string_view tag, std::string_view prefix);

    // Drops the deleted records for good, renumbering the others, and rebuilds the tags;
    // `progress` hears the records done. Needs the table opened Exclusive, outside any read
    // scope or transaction; cursors must be positioned anew afterwards. The table is written
    // anew beside the old one and renamed over it, so a failure or a crash leaves either the
    // old table or the packed one.
    void Pack(const Progress& progress = {});
    // Rebuilds the tags from the records. Needs the table opened Exclusive.
    void Reindex(const Progress& progress = {});

private:
    friend class Cursor;
    friend class Database;
    friend class Transaction;

    struct Pending {
        std::vector<Record> appended;
        std::map<RecNo, Record> replaced;
        std::set<RecNo> deleted;
    };
    struct Write {
        std::uint64_t offset = 0;
        std::vector<std::uint8_t> bytes;
        // When not 0, only every stride-th byte from the first changes (the deleted flags of
        // a run of records); the others are written as they are.
        std::size_t stride = 0;
    };
    struct Plan {
        std::vector<Write> writes;
        TableHeader header;             // after the change
        std::set<RecNo> hiddenReplaced; // replaced records that were already deleted
    };

    Table(Database& database, std::filesystem::path path, const TableSchema& schema, OpenMode mode);

    // The folder's shared lock and an up-to-date table for one read.
    class ReadLock {
    public:
        explicit ReadLock(Table& table);
        ~ReadLock();
        ReadLock(const ReadLock&) = delete;
        ReadLock& operator=(const ReadLock&) = delete;

    private:
        Table& table_;
    };
    // The folder's exclusive lock and an up-to-date table, for packing.
    class WriteLock {
    public:
        explicit WriteLock(Table& table);
        ~WriteLock();
        WriteLock(const WriteLock&) = delete;
        WriteLock& operator=(const WriteLock&) = delete;

    private:
        Table& table_;
    };

    void OpenFile();
    void CloseFile();
    void RequireWritable() const;
    void RequireExclusive(const char* work) const;
    void DropBuffer() { bufferCount_ = 0; }
    TableStamp CurrentStamp(std::array<std::uint8_t, kHeaderPrefix>* prefix = nullptr) const;
    void LoadHeader(std::uint64_t fileSize);
    void CheckSchema(const TableSchema& schema) const;
    void LoadTags();
    void RebuildTags(const Progress& progress);
    void SaveIndexCache();

    // Brings the memory up to date with the file; the caller holds the folder lock.
    void EnsureFresh();
    // Makes the next EnsureFresh read the file again.
    void Forget();

    const TagIndex& TagNamed(std::string_view tag) const;
    void ReadImage(RecNo record, std::span<std::uint8_t> image);
    bool IsDeletedOnDisk(RecNo record);

    Plan PlanChanges(const Pending& pending);
    JournalEntry SaveOldBytes(const Plan& plan);
    void WritePlan(const Plan& plan);
    void AfterCommit(const Pending& pending, const Plan& plan);

    Database& database_;
    std::filesystem::path path_;
    std::string fileName_;
    OpenMode mode_;
    int fd_ = -1;
    bool writable_ = false;
    TableHeader header_;
    std::shared_ptr<const Layout> layout_;
    std::vector<std::unique_ptr<TagIndex>> tags_;
    TableStamp stamp_;
    std::uint64_t checkedSerial_ = 0;
    std::uint64_t generation_ = 1;
    bool cacheDirty_ = false;

    std::vector<std::uint8_t> buffer_;
    RecNo bufferFirst_ = 0;
    std::uint32_t bufferCount_ = 0;
};

} // namespace quarvex::dbase
