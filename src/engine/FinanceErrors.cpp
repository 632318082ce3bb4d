#include "engine/FinanceErrors.h"

namespace quarvex::engine {

std::string FinanceErrorMessage(int code) {
    switch (code) {
    case kFinNoMessage:
        return "";
    case kFinBadCompounding:
        return "Not a valid compounding period.";
    case kFinRateBelowZero:
        return "Rate less than '0.00'.\rPayment for term does not cover principal.\r"
               "Increase payment, lengthen term or\rreduce the amount of the loan.";
    case kFinInfiniteTerm:
        return "Infinite term.\rPayment is less than interest.";
    case kFinZeroTerm:
        return "Term can't be zero.";
    case kFinZeroAmount:
        return "PV or Amount can't be zero.";
    case kFinZeroRate:
        return "Rate can't be zero.";
    case kFinZeroCashflows:
        return "Cashflows can't all be zero.";
    case kFinTooManyUnknowns:
        return "Too many unknowns.";
    case kFinOutOfRange:
        // Not one of the classic codes: a result too large to show (an amount, rate or term
        // far outside what a loan can have) is reported instead of shown as a non-number.
        return "The result is out of range.\rCheck the amount, rate and term.";
    // Counts no calculation can use, and a term too long to be counted, each named as it is.
    case kFinNegativeTerm:
        return "Term can't be negative.";
    case kFinNegativeDays:
        return "The number of days can't be negative.";
    case kFinTermTooLong:
        return "The term exceeds 32,767 payments.";
    case kFinNegativePeriod:
        return "A payment number can't be negative.";
    case kFinPaymentOverAmount:
        return "The payment is larger than the amount of the loan.";
    default:
        return "Unknown finance error.";
    }
}

void RequireTermCount(long long count) {
    if (count == 0) {
        RaiseFinanceError(kFinZeroTerm);
    }
    if (count < 0) {
        RaiseFinanceError(kFinNegativeTerm);
    }
}

void RequireDayCount(long long days) {
    if (days == 0) {
        RaiseFinanceError(kFinZeroTerm);
    }
    if (days < 0) {
        RaiseFinanceError(kFinNegativeDays);
    }
}

void RequirePeriodNumber(long long period) {
    if (period < 0) {
        RaiseFinanceError(kFinNegativePeriod);
    }
}

void RaiseFinanceError(int code) {
    throw EFinance(code, FinanceErrorMessage(code));
}

} // namespace quarvex::engine
