#pragma once

#include "platform/Exception.h"

#include <string>

namespace quarvex::engine {

// The error of the loan computations, raised through RaiseLoanError with the text of its code.
class ELoanException : public Exception {
public:
    ELoanException(int code, std::string message) : Exception(std::move(message)), code_(code) {}
    int Code() const noexcept { return code_; }

private:
    int code_;
};

enum LoanErrorCode : int {
    kLoanUnsupportedCompounding = 100,
    kLoanTooManyUnknowns = 101,
    kLoanNoExtraPayments = 102,
};

std::string LoanErrorMessage(int code);

[[noreturn]] void RaiseLoanError(int code);

} // namespace quarvex::engine
