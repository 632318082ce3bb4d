#pragma once

#include "platform/Clock.h"
#include "platform/dbase/Date.h"
#include "platform/dbase/FolderLock.h"
#include "platform/dbase/Table.h"
#include "platform/dbase/TableSchema.h"
#include "platform/dbase/Transaction.h"
#include "platform/dbase/WriteSteps.h"

#include <chrono>
#include <filesystem>
#include <memory>
#include <string_view>
#include <vector>

namespace quarvex::dbase {

struct DatabaseOptions {
    // The date written into the headers of changed tables; the system's date when null.
    const Clock* clock = nullptr;
    // How long a read or a change waits for another program to finish with the tables.
    std::chrono::milliseconds lockTimeout{10000};
    // Called before every step that changes the disk (WriteSteps.h); for tests.
    WriteStepHook writeStepHook;
};

// The tables of one data folder. Open each table once per Database and keep one Database per
// folder in a program: the locks that order programs are taken through it.
//
// Programs share the folder this way:
// - An open table holds a shared flock on its file; an Exclusive open takes it exclusively
//   and fails at once with ETableInUse while another program has the table open.
// - Reading takes the folder's lock shared (FolderLock.h), a change takes it exclusively for
//   the whole transaction, so that a reader never sees half a change and two changes never
//   mix. A Read() scope keeps the shared lock over several reads (a loan and all its rows),
//   so they see one state of the tables; a read outside any scope locks for itself.
// - A change is all-or-nothing across every table it touches (Journal.h). A journal left by a
//   program that stopped half-way is rolled back by the next reader or writer, before it
//   reads anything. One that was written whole but cannot be read is kept aside and raises
//   EUnreadableJournal; no change is made while it lies in the folder.
// - Opening removes the index cache temporaries of programs that were killed (IndexCache.h).
class Database {
public:
    explicit Database(std::filesystem::path folder, DatabaseOptions options = {});
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    const std::filesystem::path& Folder() const { return folder_; }

    // Opens a table of the folder by file name. A name that does not exist is looked up
    // without regard to case ("Loans.DBF" finds "loans.dbf"). A missing table is created
    // empty with the schema's fields (a schema without fields only opens). An existing table
    // must have every field of the schema with the same type, or ETableMismatch is raised; a
    // damaged one raises EDamagedTable and is left as it is. Opening a table that is already
    // open returns it when the schema and mode are the same.
    Table& Open(std::string_view fileName, const TableSchema& schema,
                OpenMode mode = OpenMode::Shared);
    // Closes the table (its Cursors must be gone) and saves its index cache; not inside a
    // read scope or a transaction.
    void Close(Table& table);

    // Keeps the folder locked for reading while it lives.
    class ReadScope {
    public:
        explicit ReadScope(Database& database);
        ~ReadScope();
        ReadScope(const ReadScope&) = delete;
        ReadScope& operator=(const ReadScope&) = delete;

    private:
        Database& database_;
    };
    ReadScope Read() { return ReadScope(*this); }

    // Starts a change: locks the folder exclusively until the transaction ends.
    Transaction Begin() { return Transaction(*this); }

private:
    friend class Cursor;
    friend class Table;
    friend class Transaction;

    void EnterRead();
    void LeaveRead();
    void EnterWrite();
    void LeaveWrite();
    Date Today() const;
    const WriteStepHook& Hook() const { return options_.writeStepHook; }
    std::uint64_t Serial() const { return serial_; }
    std::filesystem::path Resolve(std::string_view fileName) const;
    void CreateTable(const std::filesystem::path& path, const TableSchema& schema);
    void ForgetAll();

    std::filesystem::path folder_;
    DatabaseOptions options_;
    FolderLock lock_;
    std::uint64_t serial_ = 0;
    std::vector<std::unique_ptr<Table>> tables_;
    std::vector<TableSchema> schemas_;
};

} // namespace quarvex::dbase
