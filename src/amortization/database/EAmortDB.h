#pragma once

#include "platform/Exception.h"

#include <string>
#include <string_view>

namespace quarvex::amortization::database {

// The failures of the schedule database. Codes 300 to 303 have the fixed texts the user knows;
// the codes above them are what this program adds where a value must be refused instead of
// being dropped or half-written.
enum AmortDBErrorCode : int {
    kAccountNoRequired = 300,
    kLoanNoRequired = 301,
    kInvalidDueDate = 302,
    kInvalidPenaltyDate = 303,
    kInvalidTransDate = 304,         // a row's date that no date field can hold
    kNoLoanSelected = 305,           // a loan asked for without a number
    kLoanNotFound = 306,             // no loan record has the number
    kAccountNotFound = 307,          // no account record has the number
    kAccountNoInUse = 308,           // a new account given a number that another account has
    kNoFreeAccountNo = 309,          // every three-digit number of a name's base is taken
    kDamagedLoanRecord = 310,        // a stored loan holds a value no calculation can take
    kInvalidOrgDate = 311,           // a loan's origination date that no date field can hold
    kInvalidFirstPmtDate = 312,      // a loan's first payment date that no date field can hold
    kControlCharacterInNumber = 313, // an account or loan number with a line break, tab...
};

class EAmortDB : public Exception {
public:
    EAmortDB(int code, std::string message) : Exception(std::move(message)), code_(code) {}
    int Code() const noexcept { return code_; }

private:
    int code_;
};

// The fixed text of a code: "Account No MUST be given ", "Loan No MUST be given ", "Invalid Due
// date ", "Invalid Penalty date ", "Invalid Transaction date ", "No Loan selected", "Invalid
// Origination date ", "Invalid 1st Payment date "; any other code reads "Unknown Error ".
std::string AmortDBErrorMessage(int code);

// Raises EAmortDB with the fixed text of the code.
[[noreturn]] void RaiseAmortDBError(int code);

// The errors whose text names the account or loan concerned.
[[noreturn]] void RaiseLoanNotFound(std::string_view loanNo);
[[noreturn]] void RaiseAccountNotFound(std::string_view accountNo);
[[noreturn]] void RaiseAccountNoInUse(std::string_view accountNo);
[[noreturn]] void RaiseNoFreeAccountNo(std::string_view base);
[[noreturn]] void RaiseDamagedLoan(std::string_view loanNo, std::string_view what);

// Refuses a new account or loan number that holds a control character (a line break would
// split the lines every list of accounts or loans is written in). `kind` is "account" or
// "loan".
void RequirePrintableNumber(std::string_view number, std::string_view kind);

} // namespace quarvex::amortization::database
