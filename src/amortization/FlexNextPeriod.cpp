#include "amortization/EAmort.h"
#include "amortization/RowLabel.h"
#include "amortization/coFlexAmort.h"
#include "framework/dates/MonthHelpers.h"
#include "framework/dates/PaymentDates.h"
#include "framework/dates/PaymentPeriods.h"
#include "framework/dates/Weekend.h"

// Stepping from one payment row to the next.
//
// A row's date is its scheduled date moved off a weekend. The next date is stepped from the
// scheduled date, not from the moved one: the 15th moved to Friday the 14th must not put every
// later payment on the 14th. The engine remembers the scheduled date of the last row it
// stepped to; for rows it did not make itself (a recalculation appending rows) it steps the
// scheduled dates again from the first payment date, which is row 1's date as entered.
namespace quarvex::amortization {

std::int16_t coFlexAmort::LoanYearOf(dates::DayNumber date) const {
    // The whole years of the calendar difference: one less before the anniversary's month and
    // day are reached.
    const dates::CalendarDate day = dates::DayNumberToDMY(date);
    const dates::CalendarDate& first = firstPmtDay_;
    const bool beforeAnniversary =
        day.month < first.month || (day.month == first.month && day.day < first.day);
    const int years = day.year - first.year - (beforeAnniversary ? 1 : 0);
    return static_cast<std::int16_t>(years >= 0 ? years + 1 : 1);
}

dates::DayNumber coFlexAmort::LoanYearStart(int loanYear) const {
    // The anniversary that completes loanYear - 1 whole years; 29 February falls on 1 March in
    // a common year, the first day whose month and day are not before it.
    const int year = firstPmtDay_.year + loanYear - 1;
    const dates::DayNumber anniversary =
        dates::DMYToDayNumber(firstPmtDay_.day, firstPmtDay_.month, year);
    return anniversary != dates::kNoDate ? anniversary : dates::DMYToDayNumber(1, 3, year);
}

coFlexAmort::ScheduledDate coFlexAmort::StepScheduledDate(const ScheduledDate& from) const {
    const int months = stepMonths_;
    if (months > 0 && !keepMonthEnds_ && from.Day.day >= 1 && from.Day.day <= 28) {
        // Whole months from a day every month has: the same day of the later month (what
        // NextPaymentDate gives), the lengths of the months passed later.
        dates::DayNumber next = from.Date;
        dates::CalendarDate day = from.Day;
        for (int k = 0; k < months; ++k) {
            next += dates::DaysInMonth(day.month, day.year);
            if (++day.month > 12) {
                day.month = 1;
                ++day.year;
            }
        }
        return {next <= dates::kLastDay ? next : dates::kNoDate, day};
    }
    if (stepDays_ > 0) {
        const dates::DayNumber next = from.Date + stepDays_;
        return {next <= dates::kLastDay ? next : dates::kNoDate, {}};
    }
    const dates::DayNumber next =
        keepMonthEnds_
            ? dates::NextPaymentDateEOM(PYR, from.Date, dates::kNoAdjustment, Settings.TwiceMonthly)
            : dates::NextPaymentDate(PYR, from.Date, dates::kNoAdjustment, Settings.TwiceMonthly);
    return {next, months > 0 ? dates::DayNumberToDMY(next) : dates::CalendarDate{}};
}

coFlexAmort::ScheduledDate coFlexAmort::ScheduledDateOf(const TTransRec& P) const {
    if (anchor_.TransNo == P.TransNo && anchor_.Scheduled.Date != dates::kNoDate) {
        return anchor_.Scheduled;
    }
    if (P.TransNo >= 1) {
        ScheduledDate scheduled{FirstPmtDate, firstPmtDay_};
        for (std::int32_t k = 1; k < P.TransNo; ++k) {
            const ScheduledDate next = StepScheduledDate(scheduled);
            if (next.Date == dates::kNoDate || next.Date <= scheduled.Date ||
                next.Date > schedule_->LatestDate() + 7) {
                scheduled.Date = dates::kNoDate;
                break;
            }
            scheduled = next;
        }
        const dates::DayNumber shown =
            P.TransNo == 1 || PYR == kDailyCode
                ? scheduled.Date
                : dates::AdjustForWeekend(scheduled.Date, Settings.WeekendAdjust);
        if (scheduled.Date != dates::kNoDate && shown == P.TransDate) {
            return scheduled;
        }
    }
    // A row whose date the rules cannot reproduce steps from its own date.
    return {P.TransDate, dates::DayNumberToDMY(P.TransDate)};
}

bool coFlexAmort::NextPeriod(const TTransRec& P, TTransRec& R) {
    R.TransNo = P.TransNo + 1;
    R.PmtNo = P.PmtNo + 1;
    R.PrinBal = P.PrinBal;
    const bool fromAnchor = anchor_.TransNo == P.TransNo;
    const ScheduledDate from = ScheduledDateOf(P);
    const ScheduledDate scheduled = StepScheduledDate(from);
    if (scheduled.Date == dates::kNoDate || scheduled.Date <= from.Date) {
        return false;
    }
    // Daily payments fall on every day, weekends included.
    const dates::DayNumber date =
        PYR == kDailyCode ? scheduled.Date
                          : dates::AdjustForWeekend(scheduled.Date, Settings.WeekendAdjust);
    if (date == dates::kNoDate || date > schedule_->LatestDate() || date <= P.TransDate) {
        return false;
    }
    std::int16_t loanYear = anchor_.LoanYear;
    dates::DayNumber nextYearStart = anchor_.NextYearStart;
    if (!fromAnchor || loanYear == 0 || date >= nextYearStart) {
        loanYear = LoanYearOf(date);
        nextYearStart = LoanYearStart(loanYear + 1);
    }
    anchor_ = {R.TransNo, scheduled, loanYear, nextYearStart};
    R.TransDate = date;
    R.NumYears = loanYear;
    SetRowLabel(R.PmtNoYr, R.TransNo, R.NumYears);
    R.DaysSince =
        CountsActualDays(Settings.RateBasis) ? date - P.TransDate : NominalDaysOf(R.PmtFreq);
    return true;
}

bool coFlexAmort::NextPeriodOrStop(const TTransRec& P, TTransRec& R) {
    if (NextPeriod(P, R)) {
        return true;
    }
    if (!trialBuild_) {
        RaiseAmortError(kAmortBeyondLatestDate);
    }
    truncated_ = true;
    return false;
}

} // namespace quarvex::amortization
