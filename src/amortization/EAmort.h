#pragma once

#include "platform/Exception.h"

#include <string>

namespace quarvex::amortization {

// The failures of the amortization engine, its calculator and its schedule queries. Each code
// has a fixed text; any other code reads "Unknown amortization error.".
enum AmortErrorCode : int {
    kAmortBadBalancePeriod = 101,
    kAmortCanadianCompounding = 102,
    kAmortCanadianPayments = 103,
    kAmortUnknownMethod = 201,
    kAmortHalfMonthlyNeedsMonthly = 202,
    kAmortNoSchedule = 203,
    kAmortFirstBeforeOrigination = 204,
    kAmortNoRow = 205,
    kAmortNoDestination = 206,
    kAmortUSRuleCompounding = 207,
    kAmortBeyondLatestDate = 208,
    kAmortMustSolvePayment = 209,
    kAmortRule78Basis = 210,
    kAmortRule78Compounding = 211,
    kAmortPeriodOutOfRange = 212,
    kAmortPeriodsOutOfSync = 213,
    kAmortDateBeforeLoan = 214,
    // A setting code outside its list or a date outside the calendar: only a damaged record
    // or a programming error can pass one, so it reads "Unknown amortization error.".
    kAmortBadSetting = 299,
};

class EAmort : public Exception {
public:
    EAmort(int code, std::string message) : Exception(std::move(message)), code_(code) {}
    int Code() const noexcept { return code_; }

private:
    int code_;
};

// The text of a code ("\r" is a line break in the message box).
std::string AmortErrorMessage(int code);

// Raises EAmort with the text of the code; never returns.
[[noreturn]] void RaiseAmortError(int code);

} // namespace quarvex::amortization
