#include "amortization/database/LoanList.h"

#include "amortization/database/DateFields.h"
#include "amortization/database/FieldValues.h"
#include "amortization/database/TAmortDatabase.h"
#include "framework/codec/CodecErrors.h"
#include "platform/dbase/DbaseErrors.h"

namespace quarvex::amortization::database {

LoanList::LoanList(TAmortDatabase& database)
    : database_(database), cursor_(database.LoansTable()) {}

bool LoanList::Search(LoanSearchBy by, LoanComparison comparison, std::string_view text) {
    const dbase::Query query = LoanSearchQuery(by, comparison, text);
    bool found = false;
    try {
        found = cursor_.Find(query);
    } catch (const codec::ENotStorable&) {
        searched_ = false; // a loan number with a character no record can hold finds nothing
        return false;
    }
    searched_ = true;
    return found;
}

bool LoanList::Continue() {
    if (!searched_) {
        return false;
    }
    return cursor_.Continue();
}

std::optional<LoanSummary> LoanList::Current() {
    if (!cursor_.HasRecord()) {
        return std::nullopt;
    }
    dbase::Record record = database_.LoansTable().NewRecord();
    try {
        record = cursor_.Current();
    } catch (const dbase::EInvalidRequest&) {
        return std::nullopt; // the loan was deleted meanwhile and none follows it
    }
    const LoanColumns& fields = database_.LoanFields();
    LoanSummary loan;
    loan.LoanNo = record.Text(fields.loanNo);
    loan.PV = NumberOr0(record, fields.pv);
    loan.OrgDate = FromFieldDate(record.DateValue(fields.orgDate));
    loan.FirstPmtDate = FromFieldDate(record.DateValue(fields.firstPmtDt));
    loan.NumPmts = static_cast<std::int64_t>(NumberOr0(record, fields.numPmts));
    loan.Rate = NumberOr0(record, fields.rate);
    loan.Pmt = NumberOr0(record, fields.pmt);
    return loan;
}

} // namespace quarvex::amortization::database
