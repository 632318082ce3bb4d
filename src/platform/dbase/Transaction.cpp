#include "platform/dbase/Transaction.h"

#include "framework/codec/CodecErrors.h"
#include "platform/dbase/Database.h"
#include "platform/dbase/DbaseErrors.h"
#include "platform/dbase/FileIo.h"
#include "platform/dbase/Journal.h"

#include <cerrno>
#include <unistd.h>

namespace quarvex::dbase {

Transaction::Transaction(Database& database) : database_(&database) {
    database.EnterWrite();
}

Transaction::Transaction(Transaction&& other) noexcept
    : database_(other.database_), changes_(std::move(other.changes_)) {
    other.database_ = nullptr;
}

Transaction::~Transaction() {
    End();
}

void Transaction::End() {
    if (database_ != nullptr) {
        Database* database = database_;
        database_ = nullptr;
        changes_.clear();
        database->LeaveWrite();
    }
}

Table::Pending& Transaction::PendingFor(Table& table) {
    if (database_ == nullptr) {
        throw EInvalidRequest("The change of the tables has already ended.");
    }
    if (&table.database_ != database_) {
        throw EInvalidRequest("The table \"" + table.FileName() +
                              "\" belongs to another database.");
    }
    for (auto& [changed, pending] : changes_) {
        if (changed == &table) {
            return pending;
        }
    }
    table.EnsureFresh();
    table.RequireWritable();
    changes_.emplace_back(&table, Table::Pending{});
    return changes_.back().second;
}

namespace {

void CheckRecordOf(const Table& table, const Record& record) {
    if (&record.Fields() != &table.Fields()) {
        throw EInvalidRequest("The record was not made for the table \"" + table.FileName() +
                              "\"; take it from NewRecord or Read of that table.");
    }
}

void CheckNumber(Table& table, RecNo record, std::uint32_t count) {
    if (record == 0 || record > count) {
        throw EInvalidRequest("The table \"" + table.FileName() + "\" has no record " +
                              std::to_string(record) + " to change; it holds " +
                              std::to_string(count) + ".");
    }
}

} // namespace

RecNo Transaction::Append(Table& table, const Record& record) {
    CheckRecordOf(table, record);
    Table::Pending& pending = PendingFor(table);
    pending.appended.push_back(record);
    return table.header_.recordCount + static_cast<RecNo>(pending.appended.size());
}

void Transaction::Replace(Table& table, RecNo record, const Record& values) {
    CheckRecordOf(table, values);
    Table::Pending& pending = PendingFor(table);
    CheckNumber(table, record, table.header_.recordCount);
    pending.replaced.insert_or_assign(record, values);
}

void Transaction::Delete(Table& table, RecNo record) {
    Table::Pending& pending = PendingFor(table);
    CheckNumber(table, record, table.header_.recordCount);
    pending.deleted.insert(record);
}

void Transaction::Commit() {
    if (database_ == nullptr) {
        throw EInvalidRequest("The change of the tables has already ended.");
    }
    Database& database = *database_;
    const WriteStepHook& hook = database.Hook();
    const std::filesystem::path& folder = database.Folder();

    std::vector<std::pair<Table*, const Table::Pending*>> tables;
    std::vector<Table::Plan> plans;
    std::vector<JournalEntry> journal;
    try {
        for (auto& [table, pending] : changes_) {
            if (pending.appended.empty() && pending.replaced.empty() && pending.deleted.empty()) {
                continue;
            }
            tables.emplace_back(table, &pending);
            plans.push_back(table->PlanChanges(pending));
            journal.push_back(table->SaveOldBytes(plans.back()));
        }
        if (tables.empty()) {
            End();
            return;
        }
    } catch (...) {
        End();
        throw;
    }

    // 1. The journal, durable before any table is touched.
    try {
        WriteJournal(folder, journal, hook);
    } catch (...) {
        ::unlink((folder / kJournalName).c_str()); // no table was touched
        End();
        throw;
    }
    // 2. The tables, each flushed; 3. removing the journal makes the change take effect.
    try {
        for (std::size_t at = 0; at < tables.size(); ++at) {
            tables[at].first->WritePlan(plans[at]);
        }
        BeforeStep(hook, "journal-remove");
        if (::unlink((folder / kJournalName).c_str()) != 0 && errno != ENOENT) {
            throw codec::EFileAccess("Cannot remove \"" + (folder / kJournalName).string() +
                                     "\": " + ErrorText(errno) + ".");
        }
    } catch (...) {
        try {
            RollBack(folder, journal, hook);
        } catch (...) {
            // The journal stays: the next read or change rolls the tables back.
        }
        database.ForgetAll();
        End();
        throw;
    }
    try {
        BeforeStep(hook, "folder-sync");
        SyncFolder(folder);
    } catch (...) {
        // The change has taken effect; only its durability after a power cut is less certain.
    }
    for (std::size_t at = 0; at < tables.size(); ++at) {
        tables[at].first->AfterCommit(*tables[at].second, plans[at]);
    }
    End();
}

} // namespace quarvex::dbase
