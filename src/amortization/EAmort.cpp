#include "amortization/EAmort.h"

#include "amortization/AmortCodes.h"

namespace quarvex::amortization {

std::string AmortErrorMessage(int code) {
    switch (code) {
    case kAmortBadBalancePeriod:
        return "Total periods must be greater than remaining balance period";
    case kAmortCanadianCompounding:
        return "Canadian amortization method requires semiannual compounding.";
    case kAmortCanadianPayments:
        return "Canadian amortization method requires monthly payments.";
    case kAmortUnknownMethod:
        return "Unknown Amortization Method.";
    case kAmortHalfMonthlyNeedsMonthly:
        return "Payment period must be set to 'Monthly'\r\rwhen 'Half Monthly' loan acceleration "
               "set.\r\rSee: 'Loan Acceleration Method' under 'Settings'.";
    case kAmortNoSchedule:
        return "Memory not allocated for schedule.";
    case kAmortFirstBeforeOrigination:
        return "First payment date is earlier than origination date.";
    case kAmortNoRow:
        return "Programming error - Transaction record not allocated.";
    case kAmortNoDestination:
        return "Programming error - Destination Schedule not allocated.";
    case kAmortUSRuleCompounding:
        return "US Rule set. Compounding cannot occur more frequently than payment.";
    case kAmortBeyondLatestDate:
        return "Invalid term. Either reduce\r\r'Initial Periods' or 'Payment Period'\r\rSchedule "
               "goes beyond " +
               std::to_string(kLatestScheduleYear) + "\r";
    case kAmortMustSolvePayment:
        return "Payment amount must be '0'\r\rMust solve for payment when this\r\ramortizing "
               "method is selected.";
    case kAmortRule78Basis:
        return "The rate basis must be set to\r\r'Ordinary' for Rule-of-78s loans";
    case kAmortRule78Compounding:
        return "Payment period much equal compounding\r\r period for Rule-of-78s loan.";
    case kAmortPeriodOutOfRange:
        return "Period number is either beyond\r\rterm of loan or it is negative.";
    case kAmortPeriodsOutOfSync:
        return "Internal Programming Error:\r\rPeriods out of sync.";
    case kAmortDateBeforeLoan:
        return "Date is before start of loan.";
    default:
        return "Unknown amortization error.";
    }
}

void RaiseAmortError(int code) {
    throw EAmort(code, AmortErrorMessage(code));
}

} // namespace quarvex::amortization
