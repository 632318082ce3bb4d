#include "engine/cashflow/ScheduleRows.h"

#include "engine/FinanceErrors.h"
#include "framework/dates/DateArithmetic.h"
#include "framework/dates/DateLabels.h"
#include "framework/dates/PaymentDates.h"

#include <algorithm>

namespace quarvex::engine::cashflow {

dates::DayNumber NextRowDate(int paymentCode, dates::DayNumber date,
                             const ScheduleDateOptions& options) {
    const dates::DayNumber next =
        dates::NextPaymentDate(paymentCode, date, options.WeekendCode, options.TwiceMonthlyCode);
    if (next == dates::kNoDate || next <= date) {
        RaiseFinanceError(kFinOutOfRange);
    }
    return next;
}

int InvestmentYear(dates::DayNumber start, dates::DayNumber date) {
    const auto span = dates::DateDifference(start, date);
    return span ? span->years + 1 : 1;
}

std::string RowLabel(int row, int investmentYear, bool padYear) {
    return dates::PeriodLabel(row, investmentYear, padYear, '0', '/');
}

int CalendarYearOf(dates::DayNumber date) {
    return dates::DayNumberToDMY(date).year;
}

std::optional<std::pair<std::size_t, std::size_t>> ClampRowRange(int first, int last,
                                                                 std::size_t count) {
    const long long begin = std::max<long long>(first, 1);
    const long long end = std::min<long long>(last, static_cast<long long>(count));
    if (end < begin) {
        return std::nullopt;
    }
    return std::make_pair(static_cast<std::size_t>(begin - 1), static_cast<std::size_t>(end));
}

} // namespace quarvex::engine::cashflow
