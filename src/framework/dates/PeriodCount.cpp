#include "framework/dates/PeriodCount.h"

#include "framework/dates/DateArithmetic.h"
#include "framework/dates/PaymentPeriods.h"

namespace quarvex::dates {
namespace {

constexpr int kDaysPerTwiceMonthlyPeriod = 15;
constexpr int kNominalDaysPerMonth = 30;

struct WholeAndOdd {
    int whole = 0;
    int odd = 0;
};

// Whole calendar months from start to end, and the days from start to end less those months.
struct MonthsAndDays {
    int months = 0;
    int days = 0;
};

MonthsAndDays WholeMonthsBetween(DayNumber start, DayNumber end) {
    const DateSpan span = DateDifference(start, end).value_or(DateSpan{});
    const int months = span.months + 12 * span.years;
    return {months, AddToDate(end, 0, -months, 0) - start};
}

WholeAndOdd CountForward(DayNumber start, DayNumber end, int periodCode) {
    const int perPeriod = DaysPerPeriod(periodCode);
    if (periodCode == kWeekly || periodCode == kBiWeekly || periodCode == kEvery4Weeks) {
        return {(end - start) / perPeriod, (end - start) % perPeriod};
    }
    const MonthsAndDays between = WholeMonthsBetween(start, end);
    if (periodCode == kTwiceMonthly) {
        return {2 * between.months + between.days / kDaysPerTwiceMonthlyPeriod,
                between.days % kDaysPerTwiceMonthlyPeriod};
    }
    const int monthsPerPeriod = MonthsPerPeriod(periodCode);
    const int odd = between.days + kNominalDaysPerMonth * (between.months % monthsPerPeriod);
    return {between.months / monthsPerPeriod + odd / perPeriod, odd % perPeriod};
}

PeriodCount Detail(WholeAndOdd count, int periodCode) {
    const int perPeriod = DaysPerPeriod(periodCode);
    PeriodCount result;
    result.periods = count.whole + static_cast<double>(count.odd) / perPeriod;
    result.wholePeriods = count.whole;
    result.oddDays = count.odd;
    result.totalDays = count.whole * perPeriod + count.odd;
    result.extraDays = count.odd + (count.whole > 1 ? (count.whole - 1) * perPeriod : 0);
    return result;
}

PeriodCount Negated(PeriodCount count) {
    return {-count.periods, -count.totalDays, -count.extraDays, -count.oddDays,
            -count.wholePeriods};
}

} // namespace

PeriodCount CountPeriods(DayNumber start, DayNumber end, int periodCode) {
    if (!IsValidDayNumber(start) || !IsValidDayNumber(end) || DaysPerPeriod(periodCode) == 0 ||
        start == end) {
        return {};
    }
    if (start > end) {
        return Negated(CountPeriods(end, start, periodCode));
    }
    if (periodCode == kDaily) {
        const int days = end - start;
        PeriodCount result;
        result.periods = days;
        result.totalDays = days;
        result.oddDays = days;
        return result;
    }
    return Detail(CountForward(start, end, periodCode), periodCode);
}

} // namespace quarvex::dates
