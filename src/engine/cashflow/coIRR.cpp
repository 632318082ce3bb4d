#include "engine/cashflow/coIRR.h"

#include "engine/EngineTypes.h"
#include "engine/FinanceErrors.h"

#include <cmath>

namespace quarvex::engine {

namespace {

void RequirePaymentsPerYear(double pyr) {
    if (!(pyr > 0) || !std::isfinite(pyr)) {
        throw EInternalError::NotInitialized();
    }
}

} // namespace

void coIRR::Init(std::int32_t value, std::span<const TPeriodicCashFlow> flows, double pyr) {
    Value = value;
    PYR = pyr;
    Dated = 0;
    periodicFlows_ = flows;
    datedFlows_ = {};
    IRR = 0;
}

void coIRR::Init(std::int32_t value, std::span<const TDatedCashFlow> flows, double pyr) {
    Value = value;
    PYR = pyr;
    Dated = 1;
    periodicFlows_ = {};
    datedFlows_ = flows;
    IRR = 0;
}

void coIRR::Calculate() {
    if (Dated != 0) {
        IRR = solver_.DatedIRR(datedFlows_, PYR, IrrStart);
        return;
    }
    RequirePaymentsPerYear(PYR);
    IRR = solver_.IRR(periodicFlows_, PYR, IrrStart);
}

void coIRR::InitApr(std::span<const TOffsetCashFlow> flows, double offset, double pyr) {
    offsetFlows_ = flows;
    Offset = offset;
    PYR = pyr;
    IRR = 0;
}

void coIRR::CalculateApr() {
    for (const double guess : AprStarts) {
        if (TryApr(guess)) {
            return;
        }
    }
    throw EFinError::CantDeriveApr();
}

bool coIRR::TryApr(long double guess) {
    RequirePaymentsPerYear(PYR);
    try {
        IRR = solver_.AprIRR(offsetFlows_, Offset, PYR, guess);
    } catch (const EFinError&) {
        return false;
    }
    return std::fabs(IRR) < 100;
}

} // namespace quarvex::engine
