#include "engine/LoanErrors.h"

namespace quarvex::engine {

std::string LoanErrorMessage(int code) {
    switch (code) {
    case kLoanUnsupportedCompounding:
        return "Unsupported compounding period for this calculator.";
    case kLoanTooManyUnknowns:
        return "Too many unknown values.";
    case kLoanNoExtraPayments:
        return "No extra payments made.";
    default:
        return "Unknown loan error.";
    }
}

void RaiseLoanError(int code) {
    throw ELoanException(code, LoanErrorMessage(code));
}

} // namespace quarvex::engine
