#include "amortization/calculator/AprFlows.h"

#include "amortization/AmortCodes.h"
#include "engine/FinanceErrors.h"
#include "engine/cashflow/coIRR.h"

namespace quarvex::amortization {

namespace {

constexpr int kDaysInYear = 365;
constexpr std::uint8_t kDaily = 1;

} // namespace

void BuildAprFlows(const TAmortSchedule& schedule, const AprInputs& inputs,
                   std::vector<engine::TOffsetCashFlow>& flows) {
    flows.clear();
    const auto& rows = schedule.Records();
    flows.reserve(rows.empty() ? 1 : rows.size());
    const double paidAtOrigination = rows.empty() ? 0 : rows.front().Pmt;
    flows.push_back({paidAtOrigination + inputs.OneTimeFees - inputs.PV});
    for (std::size_t k = 1; k < rows.size(); ++k) {
        flows.push_back({rows[k].Pmt + rows[k].ExtraPmt});
    }
}

std::vector<engine::TOffsetCashFlow> BuildAprFlows(const TAmortSchedule& schedule,
                                                   const AprInputs& inputs) {
    std::vector<engine::TOffsetCashFlow> flows;
    BuildAprFlows(schedule, inputs, flows);
    return flows;
}

AprTiming AprTimingOf(const AprInputs& inputs, std::size_t flowCount) {
    AprTiming timing;
    const int frequency = IsFrequencyCode(inputs.FrequencyCode) ? inputs.FrequencyCode : 6;
    timing.PYR = PeriodsPerYearOf(frequency);
    timing.Offset = inputs.WholePeriods + inputs.OddFraction;
    if (flowCount == 2 && frequency == kDaily) {
        const int days = inputs.FirstPmtDate - inputs.OrgDate;
        if (days < 1) {
            // One payment on the day of the loan: no time passes, so no rate exists.
            throw engine::EFinError::CantDeriveApr();
        }
        if (days < kDaysInYear) {
            // The single payment period is the whole term.
            timing.Offset = 1;
            timing.PYR = static_cast<double>(kDaysInYear) / days;
        }
    }
    return timing;
}

long double DeriveApr(const std::vector<engine::TOffsetCashFlow>& flows, const AprInputs& inputs) {
    if (flows.size() < 2) {
        throw engine::EFinError::CantDeriveApr(); // a loan without payments has no rate
    }
    const AprTiming timing = AprTimingOf(inputs, flows.size());
    engine::coIRR irr;
    irr.InitApr(flows, timing.Offset, timing.PYR);
    irr.CalculateApr();
    return irr.IRR;
}

long double DeriveApr(const TAmortSchedule& schedule, const AprInputs& inputs) {
    return DeriveApr(BuildAprFlows(schedule, inputs), inputs);
}

} // namespace quarvex::amortization
