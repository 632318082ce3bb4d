#include "amortization/AmortCodes.h"

namespace quarvex::amortization {

bool IsFrequencyCode(int code) {
    return code >= kDailyCode && code <= kAnnualCode;
}

bool IsCompoundingCode(int code) {
    return code >= kContinuousCode && code <= kSimpleCode;
}

int PeriodsPerYearOf(int frequencyCode) {
    return IsFrequencyCode(frequencyCode)
               ? engine::PeriodsPerYear(static_cast<std::uint8_t>(frequencyCode - 1))
               : 1;
}

int NominalDaysOf(int frequencyCode) {
    return IsFrequencyCode(frequencyCode)
               ? engine::DaysPerPeriod(static_cast<std::uint8_t>(frequencyCode - 1))
               : 360;
}

int CompoundingPerYearOf(int compoundingCode, int frequencyCode) {
    if (compoundingCode >= 1 && compoundingCode <= 10) {
        return PeriodsPerYearOf(compoundingCode);
    }
    return PeriodsPerYearOf(frequencyCode);
}

int BasisDaysPerYear(InterestBasis basis) {
    const auto index = static_cast<std::size_t>(basis);
    if (index >= engine::kDaysInYear.size()) {
        return 0;
    }
    const int days = engine::kDaysInYear[index];
    return days > 0 ? days : 0;
}

bool CountsActualDays(InterestBasis basis) {
    return basis == InterestBasis::Actual360 || basis == InterestBasis::Actual365;
}

dates::DayNumber LatestScheduleDate() {
    static const dates::DayNumber latest = dates::DMYToDayNumber(1, 1, kLatestScheduleYear);
    return latest;
}

} // namespace quarvex::amortization
