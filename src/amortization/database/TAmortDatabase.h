#pragma once

#include "amortization/TAmortSchedule.h"
#include "amortization/database/AccountColumns.h"
#include "amortization/database/LoanColumns.h"
#include "amortization/database/RecordStamp.h"
#include "amortization/database/RowColumns.h"
#include "amortization/database/TLoanRec.h"
#include "framework/settings/AccountDetails.h"
#include "platform/dbase/Database.h"
#include "platform/dbase/Transaction.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarvex::amortization::database {

struct AmortDatabaseOptions {
    // The date and time written into RECORDDATE/RECORDTIME and RecDate/RecTime; the machine's
    // local time when empty.
    StampSource stamp;
    // How long an operation waits for another program to finish with the tables.
    std::chrono::milliseconds lockTimeout{10000};
    // Called before every step that changes the disk; for tests (platform/dbase/WriteSteps.h).
    dbase::WriteStepHook writeStepHook;
};

// A loan linked to an account, as the loan page lists it: the link, and six values looked up
// from the loan (absent when the loan record is missing).
struct LinkedLoan {
    std::string LoanNo;
    std::string AccountNo;
    std::string Primary;
    bool LoanFound = false;
    dates::DayNumber OrigDate = dates::kNoDate;
    double Principal = 0;
    dates::DayNumber FirstPmtDt = dates::kNoDate;
    std::int64_t NumPmts = 0;
    double Rate = 0;
    double Pmt = 0;
};

// A loan and its rows as loaded: the rows in the order they were written (row 0 first), with
// their running totals worked out from their amounts (the tables do not keep them).
struct LoadedLoan {
    TLoanRec loan;
    TAmortSchedule schedule;
};

enum class AccountDeletion {
    Deleted,
    HasLoans, // the account still has links: nothing was deleted
    NotFound,
};

// The schedule database of a data folder: accounts (borrowers) and loans linked many to many,
// the loans' schedule rows, and the loan counter, in five dBASE tables (AmortTables.h).
// Opening creates the folder and any missing table, empty.
//
// Every change is one transaction that takes effect entirely or not at all, whatever happens
// during it (an error, a full disk, a crash, a kill): a save leaves the old loan with its old
// rows or the new loan with all its new rows, never a mix, and the tables stay readable.
// Values are converted and checked before any table is touched. Account and loan numbers are
// compared exactly, without the blanks around them (account numbers without regard to case):
// loan "1" is never loan "10".
class TAmortDatabase {
public:
    explicit TAmortDatabase(const std::filesystem::path& folder, AmortDatabaseOptions options = {});
    ~TAmortDatabase();
    TAmortDatabase(const TAmortDatabase&) = delete;
    TAmortDatabase& operator=(const TAmortDatabase&) = delete;

    const std::filesystem::path& Folder() const { return database_.Folder(); }

    // --- Accounts ---

    // "New account" from the account details: an account with the details' names, address
    // and phones, numbered from its names (EAmortDB 300 when they give no base). Returns its
    // number.
    std::string CreateAccount(const framework::TAccountDetails& details);
    // Adds an account. An empty AccountNo is generated from the names ("SMIJOH001", one more
    // than the highest suffix in use for that base); a given one must be free (EAmortDB 308).
    // RECORDDATE and RECORDTIME are set now. Returns the number.
    std::string AddAccount(const TAccountRec& account);
    // Writes the fields of the account with account.AccountNo (EAmortDB 307 when there is
    // none); its number and stamp stay.
    void UpdateAccount(const TAccountRec& account);
    std::optional<TAccountRec> FindAccount(std::string_view accountNo);
    // Every account, in account-number order.
    std::vector<TAccountRec> AllAccounts();
    // Deletes the account unless it still has loans linked to it.
    AccountDeletion DeleteAccount(std::string_view accountNo);

    // --- Links ---

    // The loans linked to the account, in the order the links were made.
    std::vector<LinkedLoan> LinksOf(std::string_view accountNo);
    // Links the loan to the account unless they are linked already. Both must exist (EAmortDB
    // 307, 306).
    void LinkLoan(std::string_view accountNo, std::string_view loanNo);
    // How many accounts other than this one the loan is linked to.
    int CountOtherLinks(std::string_view accountNo, std::string_view loanNo);
    // "Remove Linked Loan": removes the link when the loan has other links and returns true;
    // false, changing nothing, when it is the loan's only link (a loan never loses its last
    // account this way).
    bool RemoveLink(std::string_view accountNo, std::string_view loanNo);

    // --- Loans ---

    // Issues the next loan number ("1" first): one more than the last one issued, passing
    // over numbers some loan, link or row already has.
    std::string NewLoanNumber();
    // "New Loan": a new number, a loan record with it and the loan's amount, number of
    // payments and points, linked to the account; all at once. Returns the number.
    std::string CreateLoan(std::string_view accountNo, const TLoanRec& loan);
    // Saves the loan under loan.LoanNo with all its rows and links it to the account, all or
    // nothing: the loan record's calculation fields and stamp are written (its property
    // fields stay; a missing record is added), every stored row of the loan is replaced by
    // the schedule's rows from row 0 on. EAmortDB 300 without an account number, 301 without a
    // loan number, 307 for an account that does not exist, 302/303/304 for a row's due,
    // penalty or transaction date that cannot be stored; codec::ENotStorable for any other
    // value that cannot be. Nothing is written unless everything can be.
    void SaveLoan(std::string_view accountNo, const TLoanRec& loan, const TAmortSchedule& schedule);
    // SaveLoan under a new loan number (NewLoanNumber), in the same transaction. Returns the
    // number.
    std::string SaveNewLoan(std::string_view accountNo, const TLoanRec& loan,
                            const TAmortSchedule& schedule);
    // The loan and its rows as one consistent state of the tables. EAmortDB 305 for an empty
    // number, 306 for a loan that does not exist, 310 for a stored value no calculation can
    // take.
    LoadedLoan LoadLoan(std::string_view loanNo);
    // Deletes the loan record, every link of the loan (with every account) and all its rows.
    void DeleteLoan(std::string_view loanNo);

    std::optional<TLoanProperties> LoanProperties(std::string_view loanNo);
    // Writes the property fields of the loan (EAmortDB 306 when there is none).
    void UpdateLoanProperties(std::string_view loanNo, const TLoanProperties& properties);

    // --- The tables, for the views of the window (AccountList, LoanList) ---
    dbase::Database& Tables() { return database_; }
    dbase::Table& AccountsTable() { return *accounts_; }
    dbase::Table& LoansTable() { return *loans_; }
    dbase::Table& LinksTable() { return *links_; }
    dbase::Table& RowsTable() { return *rows_; }
    const AccountColumns& AccountFields() const { return *accountColumns_; }
    const LoanColumns& LoanFields() const { return *loanColumns_; }

private:
    // A loan converted and checked, ready to be written.
    struct StagedLoan {
        TLoanRec loan;
        std::vector<dbase::Record> rows;
    };

    RecordStamp Stamp() const;
    StagedLoan StageLoan(const TLoanRec& loan, const TAmortSchedule& schedule,
                         const RecordStamp& stamp) const;
    void WriteLoan(dbase::Transaction& change, const std::string& accountNo,
                   const StagedLoan& staged, const RecordStamp& stamp);
    std::string NextLoanNumber(dbase::Transaction& change);
    // The stored form of the account's number; EAmortDB 307 when there is no such account.
    std::string RequireAccount(const std::string& accountNo);
    std::vector<dbase::RecNo> LinkRecords(const std::string& accountNo, const std::string& loanNo);
    void AppendLink(dbase::Transaction& change, const std::string& accountNo,
                    const std::string& loanNo, const RecordStamp& stamp);
    std::string NumberForNewAccount(const TAccountRec& account);

    AmortDatabaseOptions options_;
    StampClock clock_;
    dbase::Database database_;
    dbase::Table* accounts_ = nullptr;
    dbase::Table* loans_ = nullptr;
    dbase::Table* links_ = nullptr;
    dbase::Table* rows_ = nullptr;
    dbase::Table* system_ = nullptr;
    std::optional<AccountColumns> accountColumns_;
    std::optional<LoanColumns> loanColumns_;
    std::optional<RowColumns> rowColumns_;
};

} // namespace quarvex::amortization::database
