#pragma once

#include "DbaseTestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

// A loan saved the way the schedule database saves one: its record in Loans.dbf, all its
// rows in Trans.dbf replaced, the loan counter in Sysinfo.dbf, in one transaction. Version v
// has 3 + v rows and values derived from v, so a reader can tell a whole version from a mix.
namespace quarvex::dbase::testing {

inline void SaveLoanVersion(Database& database, int version) {
    Table& loans = database.Open("Loans.dbf", LoanSchema());
    Table& rows = database.Open("Trans.dbf", RowSchema());
    Table& counter = database.Open("Sysinfo.dbf", CounterSchema());
    Transaction change = database.Begin();
    const auto existing = loans.RecordsWithKey("LOANNO", "7");
    Record loan = existing.empty() ? loans.NewRecord() : loans.Read(existing.front());
    loan.SetText("LOANNO", "7");
    loan.SetNumber("PV", 1000.0 * version + 0.1);
    loan.SetNumber("RATE", version + 1.0 / 3.0);
    loan.SetInteger("PYR", version);
    if (existing.empty()) {
        change.Append(loans, loan);
    } else {
        change.Replace(loans, existing.front(), loan);
    }
    for (const RecNo old : rows.RecordsWithKey("LOANNO", "7")) {
        change.Delete(rows, old);
    }
    for (int row = 0; row < 3 + version; ++row) {
        Record record = rows.NewRecord();
        record.SetText("LOANNO", "7");
        record.SetInteger("PMTNO", row);
        record.SetNumber("PRINCIPAL", version * 100 + row + 0.01);
        record.SetText("COMMENT",
                       "version " + std::to_string(version) + " row " + std::to_string(row));
        change.Append(rows, record);
    }
    Record last = counter.RecordCount() == 0 ? counter.NewRecord() : counter.Read(1);
    last.SetInteger("LASTLOANNO", version);
    if (counter.RecordCount() == 0) {
        change.Append(counter, last);
    } else {
        change.Replace(counter, 1, last);
    }
    change.Commit();
}

// Opens the folder afresh and returns the version every table holds; a table that holds
// another version, or a loan whose rows are not all of its version, fails the test and gives
// -1.
inline int SavedLoanVersion(const std::filesystem::path& folder) {
    Database database(folder);
    Table& loans = database.Open("Loans.dbf", LoanSchema());
    Table& rows = database.Open("Trans.dbf", RowSchema());
    Table& counter = database.Open("Sysinfo.dbf", CounterSchema());
    const auto found = loans.RecordsWithKey("LOANNO", "7");
    if (found.size() != 1) {
        ADD_FAILURE() << found.size() << " loan records";
        return -1;
    }
    const Record loan = loans.Read(found.front());
    const int version = static_cast<int>(*loan.Integer("PYR"));
    bool whole = loan.Number("PV") == 1000.0 * version + 0.1 &&
                 loan.Number("RATE") == version + 1.0 / 3.0 &&
                 counter.Read(1).Integer("LASTLOANNO") == version;
    Cursor cursor(rows, "LOANNO");
    int row = 0;
    for (bool more = cursor.Seek("7"); more && cursor.Key() == "7"; more = cursor.Next(), ++row) {
        const Record record = cursor.Current();
        whole = whole && record.Integer("PMTNO") == row &&
                record.Number("PRINCIPAL") == version * 100 + row + 0.01 &&
                record.Text("COMMENT") ==
                    "version " + std::to_string(version) + " row " + std::to_string(row);
    }
    whole = whole && row == 3 + version;
    EXPECT_FALSE(std::filesystem::exists(folder / "tables.journal"));
    if (!whole) {
        ADD_FAILURE() << "the tables hold a mix around version " << version;
        return -1;
    }
    return version;
}

// The files of a folder, to put a folder back as it was between trials.
inline std::map<std::string, Bytes> Snapshot(const std::filesystem::path& folder) {
    std::map<std::string, Bytes> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        files[entry.path().filename().string()] = FileBytes(entry.path());
    }
    return files;
}

inline void Restore(const std::filesystem::path& folder,
                    const std::map<std::string, Bytes>& files) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::filesystem::remove(entry.path());
    }
    for (const auto& [name, bytes] : files) {
        WriteBytes(folder / name, bytes);
    }
}

} // namespace quarvex::dbase::testing
