#include "amortization/database/TAmortDatabase.h"

#include "amortization/RunningTotals.h"
#include "amortization/database/AmortTables.h"
#include "amortization/database/DateFields.h"
#include "amortization/database/EAmortDB.h"
#include "amortization/database/FieldValues.h"
#include "platform/dbase/Cursor.h"

#include <algorithm>
#include <iterator>
#include <system_error>

// Opening the tables, and the operations on loans. (TAmortDatabaseAccounts.cpp: accounts;
// TAmortDatabaseLinks.cpp: links.)
namespace quarvex::amortization::database {

namespace {

// The folder of the tables, made when missing; a folder that cannot be made fails when the
// tables are opened, with the table engine's message.
std::filesystem::path PreparedFolder(const std::filesystem::path& folder) {
    std::filesystem::path path = folder.empty() ? std::filesystem::path(".") : folder;
    std::error_code ignored;
    std::filesystem::create_directories(path, ignored);
    return path;
}

AmortDatabaseOptions WithStampSource(AmortDatabaseOptions options) {
    if (!options.stamp) {
        options.stamp = SystemStamp;
    }
    return options;
}

dbase::DatabaseOptions TableOptions(const AmortDatabaseOptions& options, const Clock& clock) {
    dbase::DatabaseOptions tables;
    tables.clock = &clock;
    tables.lockTimeout = options.lockTimeout;
    tables.writeStepHook = options.writeStepHook;
    return tables;
}

// A number no loan has yet when it is issued stays unique because a change holds the
// folder's lock from the moment it reads the counter until it commits.
constexpr std::string_view kProvisionalLoanNo = "1";

} // namespace

TAmortDatabase::TAmortDatabase(const std::filesystem::path& folder, AmortDatabaseOptions options)
    : options_(WithStampSource(std::move(options))), clock_(options_.stamp),
      database_(PreparedFolder(folder), TableOptions(options_, clock_)) {
    accounts_ = &database_.Open(kAccountsFile, AccountsSchema());
    loans_ = &database_.Open(kLoansFile, LoansSchema());
    links_ = &database_.Open(kLinksFile, LinksSchema());
    rows_ = &database_.Open(kRowsFile, RowsSchema());
    system_ = &database_.Open(kSystemFile, SystemSchema());
    accountColumns_.emplace(accounts_->Fields());
    loanColumns_.emplace(loans_->Fields());
    rowColumns_.emplace(rows_->Fields());
}

TAmortDatabase::~TAmortDatabase() = default;

RecordStamp TAmortDatabase::Stamp() const {
    return options_.stamp();
}

TAmortDatabase::StagedLoan TAmortDatabase::StageLoan(const TLoanRec& loan,
                                                     const TAmortSchedule& schedule,
                                                     const RecordStamp& stamp) const {
    StagedLoan staged;
    staged.loan = loan;
    staged.loan.LoanNo = TrimmedKey(loan.LoanNo);
    dbase::Record check = loans_->NewRecord();
    loanColumns_->Fill(check, staged.loan, stamp);
    staged.rows.reserve(schedule.Records().size());
    for (const TTransRec& row : schedule.Records()) {
        dbase::Record record = rows_->NewRecord();
        rowColumns_->Fill(record, staged.loan.LoanNo, row, stamp);
        staged.rows.push_back(std::move(record));
    }
    return staged;
}

void TAmortDatabase::WriteLoan(dbase::Transaction& change, const std::string& accountNo,
                               const StagedLoan& staged, const RecordStamp& stamp) {
    const std::string& number = staged.loan.LoanNo;
    const std::vector<dbase::RecNo> existing = loans_->RecordsWithKey(kLoanNoTag, number);
    if (existing.empty()) {
        dbase::Record record = loans_->NewRecord();
        loanColumns_->Fill(record, staged.loan, stamp);
        change.Append(*loans_, record);
    } else {
        // The property fields of the loan page stay as they are.
        dbase::Record record = loans_->Read(existing.front());
        loanColumns_->Fill(record, staged.loan, stamp);
        change.Replace(*loans_, existing.front(), record);
    }
    for (const dbase::RecNo old : rows_->RecordsWithKey(kLoanNoTag, number)) {
        change.Delete(*rows_, old);
    }
    for (const dbase::Record& row : staged.rows) {
        change.Append(*rows_, row);
    }
    if (LinkRecords(accountNo, number).empty()) {
        AppendLink(change, accountNo, number, stamp);
    }
}

std::string TAmortDatabase::NextLoanNumber(dbase::Transaction& change) {
    const std::size_t lastLoanNo = system_->Fields().IndexOf("LASTLOANNO");
    dbase::RecNo counter = 0;
    std::int64_t last = 0;
    {
        dbase::Cursor cursor(*system_);
        if (cursor.First()) {
            counter = cursor.Number();
            last = cursor.Current().Integer(lastLoanNo).value_or(0);
        }
    }
    // The counter may be behind the loans (a folder put together from copies, a loan saved
    // under a number typed in): a number in use is passed over, never given twice.
    std::int64_t next = std::max<std::int64_t>(last, 0) + 1;
    const auto inUse = [&](const std::string& number) {
        return !loans_->RecordsWithKey(kLoanNoTag, number).empty() ||
               !links_->RecordsWithKey(kLoanNoTag, number).empty() ||
               !rows_->RecordsWithKey(kLoanNoTag, number).empty();
    };
    while (inUse(std::to_string(next))) {
        ++next;
    }
    dbase::Record values = counter == 0 ? system_->NewRecord() : system_->Read(counter);
    values.SetInteger(lastLoanNo, next);
    if (counter == 0) {
        change.Append(*system_, values);
    } else {
        change.Replace(*system_, counter, values);
    }
    return std::to_string(next);
}

std::string TAmortDatabase::NewLoanNumber() {
    dbase::Transaction change = database_.Begin();
    std::string number = NextLoanNumber(change);
    change.Commit();
    return number;
}

std::string TAmortDatabase::CreateLoan(std::string_view accountNo, const TLoanRec& loan) {
    const std::string account = TrimmedKey(accountNo);
    if (account.empty()) {
        RaiseAmortDBError(kAccountNoRequired);
    }
    const RecordStamp stamp = Stamp();
    dbase::Record record = loans_->NewRecord();
    const LoanColumns& fields = *loanColumns_;
    record.SetNumber(fields.points, loan.Points);
    record.SetNumber(fields.pv, loan.PV);
    record.SetInteger(fields.numPmts, loan.NumPmts);
    record.SetDate(fields.recordDate, ToFieldDate(stamp.date));
    record.SetText(fields.recordTime, StampTimeText(stamp.secondOfDay));

    dbase::Transaction change = database_.Begin();
    const std::string stored = RequireAccount(account);
    const std::string number = NextLoanNumber(change);
    record.SetText(fields.loanNo, number);
    change.Append(*loans_, record);
    AppendLink(change, stored, number, stamp);
    change.Commit();
    return number;
}

void TAmortDatabase::SaveLoan(std::string_view accountNo, const TLoanRec& loan,
                              const TAmortSchedule& schedule) {
    const std::string account = TrimmedKey(accountNo);
    if (account.empty()) {
        RaiseAmortDBError(kAccountNoRequired);
    }
    if (TrimmedKey(loan.LoanNo).empty()) {
        RaiseAmortDBError(kLoanNoRequired);
    }
    RequirePrintableNumber(TrimmedKey(loan.LoanNo), "loan");
    const RecordStamp stamp = Stamp();
    const StagedLoan staged = StageLoan(loan, schedule, stamp);
    dbase::Transaction change = database_.Begin();
    const std::string stored = RequireAccount(account);
    WriteLoan(change, stored, staged, stamp);
    change.Commit();
}

std::string TAmortDatabase::SaveNewLoan(std::string_view accountNo, const TLoanRec& loan,
                                        const TAmortSchedule& schedule) {
    const std::string account = TrimmedKey(accountNo);
    if (account.empty()) {
        RaiseAmortDBError(kAccountNoRequired);
    }
    const RecordStamp stamp = Stamp();
    TLoanRec provisional = loan;
    provisional.LoanNo = std::string(kProvisionalLoanNo);
    StagedLoan staged = StageLoan(provisional, schedule, stamp);
    dbase::Transaction change = database_.Begin();
    const std::string stored = RequireAccount(account);
    staged.loan.LoanNo = NextLoanNumber(change);
    for (dbase::Record& row : staged.rows) {
        rowColumns_->SetLoanNo(row, staged.loan.LoanNo);
    }
    WriteLoan(change, stored, staged, stamp);
    change.Commit();
    return staged.loan.LoanNo;
}

LoadedLoan TAmortDatabase::LoadLoan(std::string_view loanNo) {
    const std::string number = TrimmedKey(loanNo);
    if (number.empty()) {
        RaiseAmortDBError(kNoLoanSelected);
    }
    auto scope = database_.Read();
    const std::vector<dbase::RecNo> found = loans_->RecordsWithKey(kLoanNoTag, number);
    if (found.empty()) {
        RaiseLoanNotFound(number);
    }
    LoadedLoan loaded;
    loaded.loan = loanColumns_->Read(loans_->Read(found.front()));
    const std::vector<dbase::RecNo> rows = rows_->RecordsWithKey(kLoanNoTag, number);
    std::vector<TTransRec>& list = loaded.schedule.Records();
    list.reserve(rows.size());
    for (const dbase::RecNo row : rows) {
        list.push_back(rowColumns_->Read(rows_->Read(row), number));
    }
    // Running totals are not stored: they follow from the rows' own amounts.
    RebuildRunningTotals(list);
    return loaded;
}

void TAmortDatabase::DeleteLoan(std::string_view loanNo) {
    const std::string number = TrimmedKey(loanNo);
    if (number.empty()) {
        RaiseAmortDBError(kLoanNoRequired);
    }
    dbase::Transaction change = database_.Begin();
    for (dbase::Table* table : {loans_, links_, rows_}) {
        for (const dbase::RecNo record : table->RecordsWithKey(kLoanNoTag, number)) {
            change.Delete(*table, record);
        }
    }
    change.Commit();
}

std::optional<TLoanProperties> TAmortDatabase::LoanProperties(std::string_view loanNo) {
    auto scope = database_.Read();
    const std::vector<dbase::RecNo> found = loans_->RecordsWithKey(kLoanNoTag, TrimmedKey(loanNo));
    if (found.empty()) {
        return std::nullopt;
    }
    return loanColumns_->ReadProperties(loans_->Read(found.front()));
}

void TAmortDatabase::UpdateLoanProperties(std::string_view loanNo,
                                          const TLoanProperties& properties) {
    const std::string number = TrimmedKey(loanNo);
    if (number.empty()) {
        RaiseAmortDBError(kLoanNoRequired);
    }
    dbase::Record check = loans_->NewRecord();
    loanColumns_->FillProperties(check, properties);
    dbase::Transaction change = database_.Begin();
    const std::vector<dbase::RecNo> found = loans_->RecordsWithKey(kLoanNoTag, number);
    if (found.empty()) {
        RaiseLoanNotFound(number);
    }
    dbase::Record record = loans_->Read(found.front());
    loanColumns_->FillProperties(record, properties);
    change.Replace(*loans_, found.front(), record);
    change.Commit();
}

} // namespace quarvex::amortization::database
