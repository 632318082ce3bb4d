#include "engine/cashflow/coNetPV.h"

#include "engine/FinanceErrors.h"

#include <cfloat>
#include <cmath>

namespace quarvex::engine {

void coNetPV::Init(dates::DayNumber startDate, std::uint16_t pyr,
                   std::span<const TPeriodicCashFlow> flows, long double rate) {
    StartDate = startDate;
    PYR = pyr;
    Rate = rate;
    Dated = 0;
    periodicFlows_ = flows;
    datedFlows_ = {};
    NPV = 0;
}

void coNetPV::Init(dates::DayNumber startDate, std::uint16_t pyr,
                   std::span<const TDatedCashFlow> flows, long double rate) {
    StartDate = startDate;
    PYR = pyr;
    Rate = rate;
    Dated = 1;
    periodicFlows_ = {};
    datedFlows_ = flows;
    NPV = 0;
}

void coNetPV::Calculate() {
    long double value = 0;
    if (Dated != 0) {
        value = npv_.DatedNPV(datedFlows_, Rate);
    } else {
        if (PYR == 0) {
            throw EInternalError::NotInitialized();
        }
        value = npv_.NPV(periodicFlows_, 0, Rate / PYR * 0.01L);
    }
    if (std::fabs(value) > DBL_MAX) {
        RaiseFinanceError(kFinOutOfRange);
    }
    NPV = static_cast<double>(value);
}

} // namespace quarvex::engine
