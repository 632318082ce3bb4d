#pragma once

#include "platform/dbase/Record.h"
#include "platform/dbase/Table.h"

#include <utility>
#include <vector>

namespace quarvex::dbase {

class Database;

// A change of one or more tables of a Database that takes effect entirely or not at all.
// It holds the folder's exclusive lock from Begin() until it ends, so what it reads cannot
// change under it (read the state, then stage the changes: numbers, links, rows). Staged
// changes are not visible to reads before Commit. Ending without Commit drops them.
//
// Commit writes the rollback journal, then every table, then removes the journal (Journal.h):
// a failure (a full disk, an error of the disk) at any step puts the tables back as they
// were and raises the error; a crash or a kill leaves a journal that the next open rolls
// back. Either way each table is afterwards entirely as before or entirely as committed.
class Transaction {
public:
    Transaction(Transaction&& other) noexcept;
    Transaction& operator=(Transaction&&) = delete;
    Transaction(const Transaction&) = delete;
    ~Transaction();

    // Adds the record at the end of the table; returns the number it will have.
    RecNo Append(Table& table, const Record& record);
    // Writes the record's fields over those of record `record` (its deleted flag stays).
    void Replace(Table& table, RecNo record, const Record& values);
    // Marks the record deleted; Pack removes it for good.
    void Delete(Table& table, RecNo record);

    // Makes the staged changes durable, all of them or none; the transaction then ends.
    void Commit();
    bool IsOpen() const { return database_ != nullptr; }

private:
    friend class Database;
    explicit Transaction(Database& database);
    Table::Pending& PendingFor(Table& table);
    void End();

    Database* database_ = nullptr;
    std::vector<std::pair<Table*, Table::Pending>> changes_; // in the order first touched
};

} // namespace quarvex::dbase
