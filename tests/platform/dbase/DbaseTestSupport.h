#pragma once

#include "platform/Clock.h"
#include "platform/dbase/Cursor.h"
#include "platform/dbase/Database.h"
#include "support/TempDirectory.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// Tables shaped like those of the schedule database, small enough to check by hand.
namespace quarvex::dbase::testing {

using Bytes = std::vector<std::uint8_t>;

class FixedClock : public Clock {
public:
    explicit FixedClock(std::int32_t today) : today_(today) {}
    std::int32_t Today() const override { return today_; }

private:
    std::int32_t today_;
};

inline DatabaseOptions WithClock(const Clock& clock) {
    DatabaseOptions options;
    options.clock = &clock;
    return options;
}

// Day number of 5 March 2024 (days since 1 January 1600).
inline constexpr std::int32_t k5March2024 = 154927;

inline TableSchema LoanSchema() {
    return TableSchema{{TextField("LOANNO", 9), NumberField("PV", 2), NumberField("RATE", 6),
                        DateField("ORGDATE"), IntegerField("PYR", 3), LogicalField("USRULE")},
                       {{"LOANNO", "LOANNO"}}};
}

inline TableSchema RowSchema() {
    return TableSchema{{TextField("LOANNO", 9), IntegerField("PMTNO", 6),
                        NumberField("PRINCIPAL", 2), NumberField("INTEREST", 2),
                        NumberField("PRINBAL", 2), DateField("DUEDATE"), TextField("COMMENT", 40)},
                       {{"LOANNO", "LOANNO"}}};
}

inline TableSchema AccountSchema() {
    return TableSchema{{TextField("ACCOUNTNO", 15), TextField("LASTNAME", 25),
                        TextField("FIRSTNAME", 25), TextField("CITY", 40)},
                       {{"ACCOUNTNO", "UPPER(ACCOUNTNO)"}, {"LASTNAME", "UPPER(LASTNAME)"}}};
}

inline TableSchema CounterSchema() {
    return TableSchema{{NumberField("LASTLOANNO", 0)}, {}};
}

inline Bytes FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// Appends records in one transaction, each made by `fill`.
template <typename Fill>
void AppendRecords(Database& database, Table& table, int count, Fill fill) {
    Transaction change = database.Begin();
    for (int index = 0; index < count; ++index) {
        Record record = table.NewRecord();
        fill(record, index);
        change.Append(table, record);
    }
    change.Commit();
}

// The records a cursor walks, as the value of one text field each.
inline std::vector<std::string> Walk(Cursor& cursor, const std::string& field) {
    std::vector<std::string> values;
    for (bool more = cursor.First(); more; more = cursor.Next()) {
        values.push_back(cursor.Current().Text(field));
    }
    return values;
}

} // namespace quarvex::dbase::testing
