#pragma once

#include "amortization/database/LoanSearch.h"
#include "framework/dates/Calendar.h"
#include "platform/dbase/Cursor.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quarvex::amortization::database {

class TAmortDatabase;

// A loan as the loan list shows it.
struct LoanSummary {
    std::string LoanNo;
    double PV = 0;
    dates::DayNumber OrgDate = dates::kNoDate;
    dates::DayNumber FirstPmtDate = dates::kNoDate;
    std::int64_t NumPmts = 0;
    double Rate = 0;
    double Pmt = 0;
};

// Every loan, in the order they were stored, as the window's loan list walks them, with the
// search ("Search" from the top, "Continue" after the current loan). The database must
// outlive the list.
class LoanList {
public:
    explicit LoanList(TAmortDatabase& database);

    bool First() { return cursor_.First(); }
    bool Last() { return cursor_.Last(); }
    bool Next() { return cursor_.Next(); }
    bool Prior() { return cursor_.Prior(); }

    // From the top, the first loan that satisfies the search (LoanSearchQuery): true and on
    // it, or false and where it was. ELoanSearch ("Error") for a text that is not a date or
    // an amount where one is needed.
    bool Search(LoanSearchBy by, LoanComparison comparison, std::string_view text);
    // The next loan after the current one that satisfies the last search; false, not moving,
    // when there is none. Only after a Search.
    bool Continue();
    bool CanContinue() const { return searched_; }
    // Any change of the search fields: Continue is no longer possible until the next Search.
    void ForgetSearch() { searched_ = false; }

    std::optional<LoanSummary> Current();

private:
    TAmortDatabase& database_;
    dbase::Cursor cursor_;
    bool searched_ = false;
};

} // namespace quarvex::amortization::database
