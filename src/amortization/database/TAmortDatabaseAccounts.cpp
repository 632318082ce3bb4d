#include "amortization/database/AccountNumbering.h"
#include "amortization/database/AmortTables.h"
#include "amortization/database/DateFields.h"
#include "amortization/database/EAmortDB.h"
#include "amortization/database/FieldValues.h"
#include "amortization/database/TAmortDatabase.h"
#include "platform/dbase/Cursor.h"

// The operations on accounts.
namespace quarvex::amortization::database {

std::string TAmortDatabase::NumberForNewAccount(const TAccountRec& account) {
    const std::string base = AccountNumberBase(account.LastName, account.FirstName);
    std::vector<int> used;
    dbase::Cursor cursor(*accounts_, kAccountNoTag);
    for (bool more = cursor.SeekPrefix(base); more && cursor.Key().starts_with(base);
         more = cursor.Next()) {
        if (const auto suffix = AccountNumberSuffix(cursor.Key(), base)) {
            used.push_back(*suffix);
        }
    }
    const auto next = NextAccountSuffix(used);
    if (!next) {
        RaiseNoFreeAccountNo(base);
    }
    return AccountNumber(base, *next);
}

std::string TAmortDatabase::CreateAccount(const framework::TAccountDetails& details) {
    return AddAccount(AccountFromDetails(details));
}

std::string TAmortDatabase::AddAccount(const TAccountRec& account) {
    TAccountRec values = account;
    values.AccountNo = TrimmedKey(account.AccountNo);
    RequirePrintableNumber(values.AccountNo, "account");
    dbase::Record record = accounts_->NewRecord();
    accountColumns_->Fill(record, values);
    if (values.AccountNo.empty()) {
        AccountNumberBase(values.LastName, values.FirstName); // no base: code 300 before anything
    }
    const RecordStamp stamp = Stamp();
    record.SetDate(accountColumns_->recordDate, ToFieldDate(stamp.date));
    record.SetText(accountColumns_->recordTime, StampTimeText(stamp.secondOfDay));

    dbase::Transaction change = database_.Begin();
    std::string number = values.AccountNo;
    if (number.empty()) {
        number = NumberForNewAccount(values);
    } else if (!accounts_->RecordsWithKey(kAccountNoTag, number).empty()) {
        RaiseAccountNoInUse(number);
    }
    record.SetText(accountColumns_->accountNo, number);
    change.Append(*accounts_, record);
    change.Commit();
    return number;
}

void TAmortDatabase::UpdateAccount(const TAccountRec& account) {
    TAccountRec values = account;
    values.AccountNo = TrimmedKey(account.AccountNo);
    if (values.AccountNo.empty()) {
        RaiseAmortDBError(kAccountNoRequired);
    }
    dbase::Record check = accounts_->NewRecord();
    accountColumns_->Fill(check, values);

    dbase::Transaction change = database_.Begin();
    const std::vector<dbase::RecNo> found =
        accounts_->RecordsWithKey(kAccountNoTag, values.AccountNo);
    if (found.empty()) {
        RaiseAccountNotFound(values.AccountNo);
    }
    dbase::Record record = accounts_->Read(found.front());
    values.AccountNo = record.Text(accountColumns_->accountNo); // the number as stored
    accountColumns_->Fill(record, values);
    change.Replace(*accounts_, found.front(), record);
    change.Commit();
}

std::optional<TAccountRec> TAmortDatabase::FindAccount(std::string_view accountNo) {
    const std::string number = TrimmedKey(accountNo);
    if (number.empty()) {
        return std::nullopt;
    }
    auto scope = database_.Read();
    const std::vector<dbase::RecNo> found = accounts_->RecordsWithKey(kAccountNoTag, number);
    if (found.empty()) {
        return std::nullopt;
    }
    return accountColumns_->Read(accounts_->Read(found.front()));
}

std::vector<TAccountRec> TAmortDatabase::AllAccounts() {
    auto scope = database_.Read();
    std::vector<TAccountRec> accounts;
    dbase::Cursor cursor(*accounts_, kAccountNoTag);
    for (bool more = cursor.First(); more; more = cursor.Next()) {
        accounts.push_back(accountColumns_->Read(cursor.Current()));
    }
    return accounts;
}

AccountDeletion TAmortDatabase::DeleteAccount(std::string_view accountNo) {
    const std::string number = TrimmedKey(accountNo);
    if (number.empty()) {
        RaiseAmortDBError(kAccountNoRequired);
    }
    dbase::Transaction change = database_.Begin();
    const std::vector<dbase::RecNo> found = accounts_->RecordsWithKey(kAccountNoTag, number);
    if (found.empty()) {
        return AccountDeletion::NotFound;
    }
    if (!links_->RecordsWithKey(kAccountNoTag, number).empty()) {
        return AccountDeletion::HasLoans;
    }
    for (const dbase::RecNo record : found) {
        change.Delete(*accounts_, record);
    }
    change.Commit();
    return AccountDeletion::Deleted;
}

std::string TAmortDatabase::RequireAccount(const std::string& accountNo) {
    const std::vector<dbase::RecNo> found = accounts_->RecordsWithKey(kAccountNoTag, accountNo);
    if (found.empty()) {
        RaiseAccountNotFound(accountNo);
    }
    return accounts_->Read(found.front()).Text(accountColumns_->accountNo);
}

} // namespace quarvex::amortization::database
