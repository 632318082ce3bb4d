#include "engine/cashflow/TcoBasePV.h"

#include "engine/EngineTypes.h"
#include "engine/FinanceErrors.h"
#include "engine/RateConversion.h"
#include "engine/cashflow/ScheduleRows.h"

#include <cmath>

namespace quarvex::engine {

namespace {

constexpr std::uint8_t kSimpleCompounding = 11;

void RequireCodes(std::uint8_t pmtCode, std::uint8_t cmpCode) {
    if (pmtCode < 1 || pmtCode > 10 || cmpCode > kSimpleCompounding) {
        throw EInternalError::NotInitialized();
    }
}

} // namespace

void TcoBasePV::Build(dates::DayNumber startDate, std::int16_t numPmts, double amount,
                      std::uint8_t pmtCode, std::uint8_t cmpCode, long double rate) {
    if (numPmts <= 0 || std::fabs(rate) < ZeroTolerance || std::fabs(amount) < ZeroTolerance) {
        RaiseFinanceError(kFinTooManyUnknowns);
    }
    RequireCodes(pmtCode, cmpCode);
    if (!dates::IsValidDayNumber(startDate)) {
        RaiseFinanceError(kFinOutOfRange);
    }
    StartDate = startDate;
    NumPmts = numPmts;
    Amount = amount;
    PmtCode = pmtCode;
    CmpCode = cmpCode;
    Rate = rate;
    BuildSchedule();
}

void TcoBasePV::BuildSchedule() {
    std::vector<TPVRow> rows(static_cast<std::size_t>(std::max<std::int16_t>(NumPmts, 0)));
    cashflow::DateScheduleRows(rows, StartDate, PmtCode, DateOptions, true);
    for (TPVRow& row : rows) {
        row.Amount = Amount;
    }
    schedule_.Records() = std::move(rows);
}

void TcoBasePV::Calculate() {
    for (TPVRow& row : schedule_.Records()) {
        row.Amount = Amount;
    }
    Discount();
}

void TcoBasePV::Recalculate(const TPVSchedule& schedule) {
    if (&schedule != &schedule_) {
        schedule.CopySchedule(&schedule_.Records());
    }
    Discount();
}

void TcoBasePV::Discount() {
    std::vector<TPVRow>& rows = schedule_.Records();
    if (rows.empty()) {
        RaiseFinanceError(kFinZeroTerm);
    }
    RequireCodes(PmtCode, CmpCode);
    const double p = PeriodsPerYear(static_cast<std::uint8_t>(PmtCode - 1));
    const auto compounding = CompoundingPerYear(CmpCode);
    const bool simple = CmpCode == kSimpleCompounding;
    long double periodic = 0;
    if (compounding) {
        periodic = PeriodicRate(p, *compounding, static_cast<double>(Rate));
    } else if (!simple) {
        periodic = std::pow(static_cast<long double>(EulerConst), Rate / 100.0L / p) - 1.0L;
    }

    double runningAmount = 0;
    double runningPV = 0;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        TPVRow& row = rows[k];
        const long double periods = static_cast<long double>(k + 1);
        const long double factor =
            simple ? 1.0L + Rate / 100.0L * periods / p : std::pow(1.0L + periodic, periods);
        const long double pv = row.Amount / factor;
        if (!std::isfinite(pv) || !(factor > 0)) {
            RaiseFinanceError(kFinOutOfRange);
        }
        row.PV = static_cast<double>(pv);
        runningAmount += row.Amount;
        runningPV += row.PV;
        row.RunningAmount = runningAmount;
        row.RunningPV = runningPV;
    }
    TotalAmount = runningAmount;
    PV = runningPV;
    NumYears = static_cast<double>(rows.size()) / p;
    NumPmts = static_cast<std::int16_t>(std::min<std::size_t>(rows.size(), INT16_MAX));
}

} // namespace quarvex::engine
