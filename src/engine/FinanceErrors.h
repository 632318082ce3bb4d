#pragma once

#include "platform/Exception.h"

#include <string>

// The error classes of the finance engine. Each derives directly from quarvex::Exception and
// carries the exact text its user sees; callers tell them apart by class.
namespace quarvex::engine {

// Raised through RaiseFinanceError with the message of its code.
class EFinance : public Exception {
public:
    EFinance(int code, std::string message) : Exception(std::move(message)), code_(code) {}
    int Code() const noexcept { return code_; }

private:
    int code_;
};

class EInvalidAmort : public Exception {
public:
    EInvalidAmort() : Exception("Unknown Amortization Method.") {}
};

class EInfiniteTerm : public Exception {
public:
    EInfiniteTerm() : Exception("") {}
};

class ENotSupportedRateCalc : public Exception {
public:
    ENotSupportedRateCalc() : Exception("") {}
};

class ENotSupportedPVCalc : public Exception {
public:
    ENotSupportedPVCalc() : Exception("") {}
};

class ERateExceeds100 : public Exception {
public:
    using Exception::Exception;
};

class ERateExceedsMaxTries : public Exception {
public:
    using Exception::Exception;
};

class ERoundError : public Exception {
public:
    ERoundError() : Exception("Rounding Error.") {}
};

class EBadBalancePeriod : public Exception {
public:
    EBadBalancePeriod()
        : Exception("Total periods must be greater than remaining balance period") {}
};

class ENotSupportedAmort : public Exception {
public:
    ENotSupportedAmort() : Exception("") {}
};

class ETooManyUnknowns : public Exception {
public:
    ETooManyUnknowns() : Exception("Too many unknowns. Enter only one Zero value.") {}
};

class EInternalError : public Exception {
public:
    using Exception::Exception;
    static EInternalError NotInitialized() {
        return EInternalError("Internal Error - calculator class not correctly initialized.");
    }
    static EInternalError ZeroCompounding() {
        return EInternalError("Internal Error - compounding period equals 0.");
    }
};

class EAffHosue : public Exception {
public:
    EAffHosue() : Exception("Buyers Annual Income can't be Zero ") {}
};

class EDateSequenceError : public Exception {
public:
    EDateSequenceError() : Exception("Ending date is earlier than starting date.") {}
};

class EFinError : public Exception {
public:
    using Exception::Exception;
    static EFinError CantDeriveIrr() { return EFinError("Sorry, can't derive IRR."); }
    static EFinError CantDeriveApr() { return EFinError("Sorry, can't derive APR."); }
};

class ENotAllocTransRec : public Exception {
public:
    ENotAllocTransRec() : Exception("Programming error - Transaction record not allocated.") {}
};

class ENotAllocSchedule : public Exception {
public:
    ENotAllocSchedule() : Exception("Programming error - Schedule not allocated.") {}
};

// An affordable house bought with a debt instead of cash.
class ENegativeCash : public Exception {
public:
    ENegativeCash() : Exception("Cash Available can't be negative.") {}
};

class ERecoveryPeriod : public Exception {
public:
    ERecoveryPeriod() : Exception("Recovery Period can't Be Zero") {}
};

// Finance error codes with a text of their own; any other code reads "Unknown finance error.".
enum FinanceErrorCode : int {
    kFinNoMessage = 101,
    kFinBadCompounding = 104,
    kFinRateBelowZero = 105,
    kFinInfiniteTerm = 106,
    kFinZeroTerm = 107,
    kFinZeroAmount = 108,
    kFinZeroRate = 109,
    kFinZeroCashflows = 110,
    kFinTooManyUnknowns = 111,
    kFinOutOfRange = 112,
    kFinNegativeTerm = 113,
    kFinNegativeDays = 114,
    kFinTermTooLong = 115,
    kFinNegativePeriod = 116,
    kFinPaymentOverAmount = 117,
};

// The refusals of a number of payments (or periods) and of a number of days that the
// computations cannot use: none at all is "Term can't be zero.", fewer than none names the
// count that is negative.
void RequireTermCount(long long count);
void RequireDayCount(long long days);
// A payment number (the first period with an extra payment, the payment after which a
// balance is wanted) below zero.
void RequirePeriodNumber(long long period);

// The message of a finance error code.
std::string FinanceErrorMessage(int code);

// Raises EFinance with the message of the code; never returns.
[[noreturn]] void RaiseFinanceError(int code);

} // namespace quarvex::engine
