#pragma once

#include "platform/Exception.h"
#include "platform/dbase/Query.h"

#include <array>
#include <string_view>

namespace quarvex::amortization::database {

// "Search by:" of the loan list: "Loan No.", "Origination date", "Amount".
enum class LoanSearchBy { LoanNo, OrigDate, Amount };
inline constexpr std::array<std::string_view, 3> kLoanSearchByList = {"Loan No.",
                                                                      "Origination date", "Amount"};

// The comparison of the loan search: " =", " >", " <".
enum class LoanComparison { Equal, Greater, Less };
inline constexpr std::array<std::string_view, 3> kLoanComparisonList = {" =", " >", " <"};

// A search text that does not give a date or an amount: the search shows "Error".
class ELoanSearch : public Exception {
public:
    ELoanSearch() : Exception("Error") {}
};

// The test of a loan search on the loan table's fields, with the text taken as a value of
// the field's kind, never as part of an expression:
// - Loan No.: the text without blanks around it; " =" is exact ("1" does not find "10"),
//   " >" and " <" compare texts as the index orders them.
// - Origination date: "mm/dd/yyyy" or "mm/dd/yy" (years 80-99 are 1980-1999, 00-79
//   2000-2079), month and day of one or two digits.
// - Amount: a decimal number such as "1500", "-2.5", "100000.00".
// A date or amount that does not parse throws ELoanSearch.
dbase::Query LoanSearchQuery(LoanSearchBy by, LoanComparison comparison, std::string_view text);

} // namespace quarvex::amortization::database
