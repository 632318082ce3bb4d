#include "amortization/database/AmortTables.h"
#include "amortization/database/DateFields.h"
#include "amortization/database/EAmortDB.h"
#include "amortization/database/FieldValues.h"
#include "amortization/database/TAmortDatabase.h"

#include <algorithm>
#include <iterator>

// The links of accounts and loans.
namespace quarvex::amortization::database {

namespace {

struct KeyPair {
    std::string accountNo;
    std::string loanNo;
};

KeyPair RequiredKeys(std::string_view accountNo, std::string_view loanNo) {
    KeyPair keys{TrimmedKey(accountNo), TrimmedKey(loanNo)};
    if (keys.accountNo.empty()) {
        RaiseAmortDBError(kAccountNoRequired);
    }
    if (keys.loanNo.empty()) {
        RaiseAmortDBError(kLoanNoRequired);
    }
    return keys;
}

} // namespace

std::vector<dbase::RecNo> TAmortDatabase::LinkRecords(const std::string& accountNo,
                                                      const std::string& loanNo) {
    std::vector<dbase::RecNo> ofAccount = links_->RecordsWithKey(kAccountNoTag, accountNo);
    std::vector<dbase::RecNo> ofLoan = links_->RecordsWithKey(kLoanNoTag, loanNo);
    std::sort(ofAccount.begin(), ofAccount.end());
    std::sort(ofLoan.begin(), ofLoan.end());
    std::vector<dbase::RecNo> both;
    std::set_intersection(ofAccount.begin(), ofAccount.end(), ofLoan.begin(), ofLoan.end(),
                          std::back_inserter(both));
    return both;
}

void TAmortDatabase::AppendLink(dbase::Transaction& change, const std::string& accountNo,
                                const std::string& loanNo, const RecordStamp& stamp) {
    dbase::Record link = links_->NewRecord();
    link.SetText("LOANNO", loanNo);
    link.SetText("ACCOUNTNO", accountNo);
    link.SetDate("RECORDDATE", ToFieldDate(stamp.date));
    link.SetText("RECORDTIME", StampTimeText(stamp.secondOfDay));
    change.Append(*links_, link);
}

std::vector<LinkedLoan> TAmortDatabase::LinksOf(std::string_view accountNo) {
    const std::string number = TrimmedKey(accountNo);
    std::vector<LinkedLoan> linked;
    if (number.empty()) {
        return linked;
    }
    auto scope = database_.Read();
    const LoanColumns& fields = *loanColumns_;
    for (const dbase::RecNo record : links_->RecordsWithKey(kAccountNoTag, number)) {
        const dbase::Record link = links_->Read(record);
        LinkedLoan entry;
        entry.LoanNo = link.Text("LOANNO");
        entry.AccountNo = link.Text("ACCOUNTNO");
        entry.Primary = link.Text("PRIMARY");
        const std::vector<dbase::RecNo> loan = loans_->RecordsWithKey(kLoanNoTag, entry.LoanNo);
        if (!loan.empty()) {
            const dbase::Record values = loans_->Read(loan.front());
            entry.LoanFound = true;
            entry.OrigDate = FromFieldDate(values.DateValue(fields.orgDate));
            entry.Principal = NumberOr0(values, fields.pv);
            entry.FirstPmtDt = FromFieldDate(values.DateValue(fields.firstPmtDt));
            entry.NumPmts = static_cast<std::int64_t>(NumberOr0(values, fields.numPmts));
            entry.Rate = NumberOr0(values, fields.rate);
            entry.Pmt = NumberOr0(values, fields.pmt);
        }
        linked.push_back(std::move(entry));
    }
    return linked;
}

void TAmortDatabase::LinkLoan(std::string_view accountNo, std::string_view loanNo) {
    const KeyPair keys = RequiredKeys(accountNo, loanNo);
    const RecordStamp stamp = Stamp();
    dbase::Transaction change = database_.Begin();
    const std::string stored = RequireAccount(keys.accountNo);
    if (loans_->RecordsWithKey(kLoanNoTag, keys.loanNo).empty()) {
        RaiseLoanNotFound(keys.loanNo);
    }
    if (LinkRecords(stored, keys.loanNo).empty()) {
        AppendLink(change, stored, keys.loanNo, stamp);
        change.Commit();
    }
}

int TAmortDatabase::CountOtherLinks(std::string_view accountNo, std::string_view loanNo) {
    const KeyPair keys = RequiredKeys(accountNo, loanNo);
    auto scope = database_.Read();
    const std::size_t all = links_->RecordsWithKey(kLoanNoTag, keys.loanNo).size();
    return static_cast<int>(all - LinkRecords(keys.accountNo, keys.loanNo).size());
}

bool TAmortDatabase::RemoveLink(std::string_view accountNo, std::string_view loanNo) {
    const KeyPair keys = RequiredKeys(accountNo, loanNo);
    dbase::Transaction change = database_.Begin();
    const std::vector<dbase::RecNo> mine = LinkRecords(keys.accountNo, keys.loanNo);
    const std::size_t all = links_->RecordsWithKey(kLoanNoTag, keys.loanNo).size();
    if (mine.empty() || all == mine.size()) {
        return false;
    }
    for (const dbase::RecNo record : mine) {
        change.Delete(*links_, record);
    }
    change.Commit();
    return true;
}

} // namespace quarvex::amortization::database
