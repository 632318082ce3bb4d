#include "amortization/database/EAmortDB.h"

namespace quarvex::amortization::database {

std::string AmortDBErrorMessage(int code) {
    switch (code) {
    case kAccountNoRequired:
        return "Account No MUST be given ";
    case kLoanNoRequired:
        return "Loan No MUST be given ";
    case kInvalidDueDate:
        return "Invalid Due date ";
    case kInvalidPenaltyDate:
        return "Invalid Penalty date ";
    case kInvalidTransDate:
        return "Invalid Transaction date ";
    case kNoLoanSelected:
        return "No Loan selected";
    case kInvalidOrgDate:
        return "Invalid Origination date ";
    case kInvalidFirstPmtDate:
        return "Invalid 1st Payment date ";
    default:
        return "Unknown Error ";
    }
}

void RaiseAmortDBError(int code) {
    throw EAmortDB(code, AmortDBErrorMessage(code));
}

void RaiseLoanNotFound(std::string_view loanNo) {
    throw EAmortDB(kLoanNotFound, "There is no loan numbered " + std::string(loanNo) + ".");
}

void RaiseAccountNotFound(std::string_view accountNo) {
    throw EAmortDB(kAccountNotFound,
                   "There is no account numbered " + std::string(accountNo) + ".");
}

void RaiseAccountNoInUse(std::string_view accountNo) {
    throw EAmortDB(kAccountNoInUse, "The account number " + std::string(accountNo) +
                                        " is already given to another account.");
}

void RaiseNoFreeAccountNo(std::string_view base) {
    throw EAmortDB(kNoFreeAccountNo, "Every account number from " + std::string(base) + "001 to " +
                                         std::string(base) +
                                         "999 is taken; please enter an account number.");
}

void RequirePrintableNumber(std::string_view number, std::string_view kind) {
    for (const char c : number) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            throw EAmortDB(kControlCharacterInNumber,
                           "The " + std::string(kind) +
                               " number cannot hold a line break, a tab or another control "
                               "character.");
        }
    }
}

void RaiseDamagedLoan(std::string_view loanNo, std::string_view what) {
    throw EAmortDB(kDamagedLoanRecord, "The stored loan " + std::string(loanNo) +
                                           " cannot be loaded: " + std::string(what) + ".");
}

} // namespace quarvex::amortization::database
