#pragma once

#include "platform/dbase/Database.h"

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

// The indexing of the schedule database at start-up: the index tags of the accounts, loans,
// links and rows tables created afresh, or those tables packed (deleted records removed for
// good, tags rebuilt), with the progress shown as one bar over all four tables.
namespace quarvex::amortization::database {

enum class IndexingMode {
    CreateTags, // the first start of the program
    Pack,       // "Reindex Database..." was left checked
};

// One step of the create mode: a tag and the whole percentage at which it starts.
struct IndexingStep {
    std::string_view table;
    std::string_view tag;
    int progressBase;
};

// ACCOUNTNO 0, LASTNAME 14, FIRSTNAME, SSNUMBER, CITY and STATE 28 (Accnts.dbf), LOANNO 42
// (Loans.DBF), ACCOUNTNO 56 and LOANNO 70 (Xref.dbf), LOANNO 84 (Trans.dbf).
const std::array<IndexingStep, 10>& CreateTagSteps();

// The base of each table's step in pack mode: Accnts.dbf 28, Loans.DBF 42, Xref.dbf 70,
// Trans.dbf 84.
struct PackStep {
    std::string_view table;
    int progressBase;
};
const std::array<PackStep, 4>& PackSteps();

// The value shown for p percent (0-100) of a step: base + p div 6, so the last step ends at 100.
constexpr int ShownProgress(int progressBase, int percent) {
    return progressBase + percent / 6;
}

// "Program setup. Creating indicies. 42% complete."
std::string IndexingStatusText(int shown);
inline constexpr std::string_view kIndexingDoneText = "Done...Click on the below door to close.";

// Hears each new value of the bar with its status text.
using IndexingProgress = std::function<void(int shown, const std::string& status)>;

// Indexes or packs the four tables of the folder (the current folder when empty), in the order
// accounts, loans, links, rows, each opened for exclusive use; a missing table is created
// empty. An error of the table layer ends the work at that table and is raised as it is:
// ETableInUse while another program has a table open, EDamagedTable, ETableMismatch,
// codec::EFileAccess for a file that cannot be written. A pack replaces a table whole or not
// at all.
void IndexAmortTables(const std::filesystem::path& dataFolder, IndexingMode mode,
                      const IndexingProgress& progress, dbase::DatabaseOptions options = {});

} // namespace quarvex::amortization::database
