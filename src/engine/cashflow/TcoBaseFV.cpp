#include "engine/cashflow/TcoBaseFV.h"

#include "engine/EngineTypes.h"
#include "engine/FinanceErrors.h"
#include "engine/RateConversion.h"
#include "engine/cashflow/ScheduleRows.h"

#include <algorithm>
#include <cmath>

namespace quarvex::engine {

namespace {

constexpr std::uint8_t kContinuous = 0;
constexpr std::uint8_t kSimple = 11;
constexpr double kFixedPointScale = 10000.0;

void RequireCodes(std::uint8_t pmtCode, std::uint8_t cmpCode, std::uint8_t rateBasis) {
    if (pmtCode < 1 || pmtCode > 10 || cmpCode > kSimple ||
        rateBasis > static_cast<std::uint8_t>(InterestBasis::Actual365)) {
        throw EInternalError::NotInitialized();
    }
}

bool CountsActualDays(std::uint8_t rateBasis) {
    return rateBasis == static_cast<std::uint8_t>(InterestBasis::Actual360) ||
           rateBasis == static_cast<std::uint8_t>(InterestBasis::Actual365);
}

int NominalDays(std::uint8_t pmtCode) {
    return DaysPerPeriod(static_cast<std::uint8_t>(pmtCode - 1));
}

} // namespace

void TcoBaseFV::Build(std::int16_t numPmts, dates::DayNumber startDate, double inflationRate,
                      double taxRate, std::uint8_t pmtMthd, std::uint8_t rateBasis,
                      std::uint8_t cmpCode, std::uint8_t pmtCode, long double rate, double deposit,
                      double pv) {
    RequireTermCount(numPmts);
    RequireCodes(pmtCode, cmpCode, rateBasis);
    if (!dates::IsValidDayNumber(startDate)) {
        RaiseFinanceError(kFinOutOfRange);
    }
    NumPmts = numPmts;
    StartDate = startDate;
    InflationRate = inflationRate / 100.0;
    TaxRate = taxRate / 100.0;
    PmtMthd = pmtMthd;
    RateBasis = rateBasis;
    CmpCode = cmpCode;
    PmtCode = pmtCode;
    Rate = rate;
    Deposit = deposit;
    PV = pv;
    BuildSchedule();
}

void TcoBaseFV::BuildSchedule() {
    std::vector<TFVRow> rows(static_cast<std::size_t>(std::max<std::int16_t>(NumPmts, 0)));
    for (TFVRow& row : rows) {
        row.Deposit = Deposit;
        row.Rate = Rate;
        row.PmtCode = PmtCode;
        row.CmpCode = CmpCode;
    }
    schedule_.Records() = std::move(rows);
    DateRows();
}

// Row 1 falls on the starting date, every further row one payment period after the one before.
void TcoBaseFV::DateRows() {
    cashflow::DateScheduleRows(schedule_.Records(), StartDate, PmtCode, DateOptions, false);
}

double TcoBaseFV::Grow(double amount, long double rate, std::uint8_t pmtCode, std::uint8_t cmpCode,
                       int actualDays, TFVRow& row) {
    const double p = PeriodsPerYear(static_cast<std::uint8_t>(PmtCode - 1));
    const bool ordinary = RateBasis == static_cast<std::uint8_t>(InterestBasis::Ordinary);
    const double daysInYear = ordinary ? 0.0 : kDaysInYear[RateBasis];
    const bool actual = CountsActualDays(RateBasis);
    const double r = static_cast<double>(rate);
    double grown = 0;
    if (cmpCode == kSimple) {
        if (ordinary) {
            grown = fv_.SimpleFV(amount, 0.01 * r / p, 1);
        } else {
            const int days = actual ? actualDays : NominalDays(PmtCode);
            grown = fv_.SimpleFV(amount, 0.01 * r / daysInYear, days);
        }
    } else if (cmpCode == kContinuous) {
        if (ordinary) {
            // One period is 1 / p of a year.
            grown = fv_.ContinuousFV(amount, 0.01 * r, 1, static_cast<std::int32_t>(p));
        } else {
            const int days = actual ? actualDays : NominalDays(pmtCode);
            grown = fv_.ContinuousFV(amount, 0.01 * r, days, static_cast<std::int32_t>(daysInYear));
        }
    } else {
        const double c = *CompoundingPerYear(cmpCode);
        if (ordinary) {
            grown = fv_.CompoundFV(amount, static_cast<double>(PeriodicRate(p, c, r)), 1);
        } else {
            const double daily =
                static_cast<double>(NominalRateAtFrequency(daysInYear, c, r)) / daysInYear;
            const int days = actual ? actualDays : NominalDays(pmtCode);
            grown = fv_.CompoundFVPeriods(amount, daily, days);
        }
    }
    row.Interest = static_cast<double>(fv_.Interest) / kFixedPointScale;
    return grown;
}

void TcoBaseFV::Calculate() {
    std::vector<TFVRow>& rows = schedule_.Records();
    if (rows.empty()) {
        RaiseFinanceError(kFinZeroTerm);
    }
    RequireCodes(PmtCode, CmpCode, RateBasis);
    for (const TFVRow& row : rows) {
        RequireCodes(row.PmtCode, row.CmpCode, RateBasis);
    }
    DateRows();

    const double p = PeriodsPerYear(static_cast<std::uint8_t>(PmtCode - 1));
    const bool atStarts = IsAdvance(PmtMthd);
    const std::size_t count = rows.size();
    // Where the period of each row ends: the next row's date, and for the last row one payment
    // period after its own date, the schedule's ending date.
    const dates::DayNumber endingDate =
        cashflow::NextRowDate(PmtCode, rows.back().Date, DateOptions);
    const auto nextDate = [&](std::size_t k) {
        return k + 1 < count ? rows[k + 1].Date : endingDate;
    };

    double untaxedInterest = 0;
    TaxesPaid = 0;
    InflationLoss = 0;
    for (std::size_t k = 0; k < count; ++k) {
        TFVRow& row = rows[k];
        if (k == 0) {
            const double start = atStarts ? PV + row.Deposit : PV;
            const int days = nextDate(0) - row.Date;
            row.FV = Grow(start, row.Rate, row.PmtCode, row.CmpCode, days, row);
            if (!atStarts) {
                row.FV += row.Deposit;
            }
            row.RunningAmount = PV + row.Deposit;
            row.RunningInterest = row.Interest;
        } else {
            const TFVRow& previous = rows[k - 1];
            const bool simple = row.CmpCode == kSimple;
            // Deposits at starts earn over the row's own period at its own rate; deposits at
            // ends are added after the growth, which for compounding runs over the period that
            // ends at the row's date at the rate of the row before.
            const TFVRow& rateRow = (simple != atStarts) ? row : previous;
            const TFVRow& codeRow = atStarts ? row : previous;
            const int days =
                (!atStarts && !simple) ? row.Date - previous.Date : nextDate(k) - row.Date;
            const double start = atStarts ? previous.FV + row.Deposit : previous.FV;
            row.FV = Grow(start, rateRow.Rate, codeRow.PmtCode, simple ? kSimple : codeRow.CmpCode,
                          days, row);
            if (!atStarts) {
                row.FV += row.Deposit;
            }
            row.RunningAmount = previous.RunningAmount + row.Deposit;
            row.RunningInterest = previous.RunningInterest + row.Interest;
        }

        untaxedInterest += row.Interest;
        const bool lastRow = k + 1 == count;
        if (!lastRow &&
            cashflow::CalendarYearOf(row.Date) != cashflow::CalendarYearOf(rows[k + 1].Date)) {
            row.Tax = TaxRate * untaxedInterest;
            untaxedInterest = 0;
        } else {
            row.Tax = 0;
        }
        TaxesPaid += row.Tax;
        if (k == 0) {
            row.Inflation = 0;
            row.RealFV = row.FV - row.Tax;
        } else {
            const TFVRow& previous = rows[k - 1];
            row.Inflation = InflationRate / p * previous.RealFV;
            row.RealFV = row.FV - previous.FV + previous.RealFV - row.Tax - row.Inflation;
        }
        InflationLoss += row.Inflation;
    }

    const TFVRow& last = rows.back();
    FV = last.FV;
    Principal = last.RunningAmount;
    Gain = last.RunningInterest;
    RealFV = last.RealFV;
    EndingDate = endingDate;
    NumPmts = static_cast<std::int16_t>(std::min<std::size_t>(count, INT16_MAX));
    Term = static_cast<double>(count) / p;
}

void TcoBaseFV::Recalculate(const TFVSchedule& schedule) {
    if (&schedule != &schedule_) {
        schedule.CopySchedule(&schedule_.Records());
    }
    Calculate();
}

} // namespace quarvex::engine
