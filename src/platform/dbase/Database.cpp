#include "platform/dbase/Database.h"

#include "framework/codec/CodecErrors.h"
#include "framework/codec/WholeFile.h"
#include "platform/dbase/DbaseErrors.h"
#include "platform/dbase/Header.h"
#include "platform/dbase/IndexCache.h"
#include "platform/dbase/Journal.h"

#include <algorithm>
#include <set>
#include <system_error>

namespace quarvex::dbase {

namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

bool Exists(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

void CheckSchemaForCreation(std::string_view fileName, const TableSchema& schema) {
    const std::string table = "\"" + std::string(fileName) + "\"";
    if (schema.fields.empty() || schema.fields.size() > kMaxFields) {
        throw EInvalidRequest("The table " + table + " must have 1 to 128 fields.");
    }
    std::set<std::string> names;
    std::size_t recordLength = 1;
    for (const FieldSpec& field : schema.fields) {
        FieldSpec canonical = field;
        canonical.name = CanonicalFieldName(field.name);
        if (const std::string problem = FieldProblem(canonical); !problem.empty()) {
            throw EInvalidRequest("The table " + table + " cannot be created: " + problem + ".");
        }
        if (!names.insert(canonical.name).second) {
            throw EInvalidRequest("The table " + table + " cannot be created: the field " +
                                  canonical.name + " is named twice.");
        }
        recordLength += field.length;
    }
    if (recordLength > kMaxRecordLength) {
        throw EInvalidRequest("The table " + table + " cannot be created: its records would be " +
                              std::to_string(recordLength) + " bytes long, more than " +
                              std::to_string(kMaxRecordLength) + ".");
    }
}

} // namespace

Database::Database(std::filesystem::path folder, DatabaseOptions options)
    : folder_(std::move(folder)), options_(std::move(options)),
      lock_(folder_, options_.lockTimeout) {
    RemoveStaleIndexTemporaries(folder_);
    // Rolls back a change that a program left half-done before anything is read.
    EnterRead();
    LeaveRead();
}

Database::~Database() {
    tables_.clear();
}

Database::ReadScope::ReadScope(Database& database) : database_(database) {
    database_.EnterRead();
}

Database::ReadScope::~ReadScope() {
    database_.LeaveRead();
}

void Database::EnterRead() {
    const bool outermost = !lock_.HoldsAny();
    lock_.LockShared();
    if (!outermost) {
        return;
    }
    // With the folder held shared no change of ours is under way, so a journal here is one a
    // program left when it stopped: roll it back first.
    if (JournalExists(folder_)) {
        lock_.UnlockShared();
        {
            ExclusiveFolderLock exclusive(lock_);
            RecoverFolder(folder_, Hook());
        }
        ForgetAll();
        lock_.LockShared();
    }
    ++serial_;
}

void Database::LeaveRead() {
    lock_.UnlockShared();
}

void Database::EnterWrite() {
    const bool outermost = !lock_.HoldsAny();
    lock_.LockExclusive();
    if (!outermost) {
        return;
    }
    try {
        if (RecoverFolder(folder_, Hook())) {
            ForgetAll();
        }
        RequireNoKeptJournal(folder_);
    } catch (...) {
        lock_.UnlockExclusive();
        throw;
    }
    ++serial_;
}

void Database::LeaveWrite() {
    lock_.UnlockExclusive();
}

Date Database::Today() const {
    return options_.clock != nullptr ? DateFromDayNumber(options_.clock->Today()) : SystemToday();
}

void Database::ForgetAll() {
    for (const auto& table : tables_) {
        table->Forget();
    }
}

std::filesystem::path Database::Resolve(std::string_view fileName) const {
    const std::string name(fileName);
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos ||
        name.find('\0') != std::string::npos) {
        throw EInvalidRequest("\"" + name + "\" is not the name of a table file.");
    }
    std::filesystem::path exact = folder_ / name;
    if (Exists(exact)) {
        return exact;
    }
    // Tables copied from elsewhere often differ in case only ("LOANS.DBF").
    const std::string wanted = Lower(name);
    std::vector<std::filesystem::path> matches;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder_, error), end; !error && entry != end;
         entry.increment(error)) {
        if (Lower(entry->path().filename().string()) == wanted) {
            matches.push_back(entry->path());
        }
    }
    return matches.size() == 1 ? matches.front() : exact;
}

void Database::CreateTable(const std::filesystem::path& path, const TableSchema& schema) {
    std::vector<FieldSpec> fields = schema.fields;
    for (FieldSpec& field : fields) {
        field.name = CanonicalFieldName(field.name);
    }
    TableHeader header = NewHeader(std::move(fields));
    const Date today = Today();
    header.updated = UpdateDateBytes(today.year, today.month, today.day);
    std::vector<std::uint8_t> bytes = EncodeHeader(header);
    bytes.push_back(kEndOfFile);
    BeforeStep(Hook(), "create-table");
    codec::WriteWholeFile(path, bytes);
}

Table& Database::Open(std::string_view fileName, const TableSchema& schema, OpenMode mode) {
    std::filesystem::path path = Resolve(fileName);
    for (std::size_t at = 0; at < tables_.size(); ++at) {
        if (tables_[at]->Path() == path) {
            if (tables_[at]->Mode() == mode && schemas_[at] == schema) {
                return *tables_[at];
            }
            throw EInvalidRequest("The table \"" + path.filename().string() +
                                  "\" is already open in another way; close it first.");
        }
    }
    if (!Exists(path)) {
        if (schema.fields.empty()) {
            throw codec::EFileAccess("The table \"" + std::string(fileName) +
                                     "\" does not exist in \"" + folder_.string() + "\".");
        }
        CheckSchemaForCreation(fileName, schema);
        EnterWrite();
        try {
            if (!Exists(path)) {
                CreateTable(path, schema);
            }
        } catch (...) {
            LeaveWrite();
            throw;
        }
        LeaveWrite();
    }
    tables_.push_back(std::unique_ptr<Table>(new Table(*this, path, schema, mode)));
    schemas_.push_back(schema);
    return *tables_.back();
}

void Database::Close(Table& table) {
    if (lock_.HoldsAny()) {
        throw EInvalidRequest("The table \"" + table.FileName() +
                              "\" cannot be closed inside a read or a change of the tables.");
    }
    for (std::size_t at = 0; at < tables_.size(); ++at) {
        if (tables_[at].get() == &table) {
            tables_.erase(tables_.begin() + static_cast<std::ptrdiff_t>(at));
            schemas_.erase(schemas_.begin() + static_cast<std::ptrdiff_t>(at));
            return;
        }
    }
    throw EInvalidRequest("The table \"" + table.FileName() + "\" is not open in this database.");
}

} // namespace quarvex::dbase
