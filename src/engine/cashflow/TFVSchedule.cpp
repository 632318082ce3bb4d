#include "engine/cashflow/TFVSchedule.h"

#include "engine/cashflow/ScheduleRows.h"

namespace quarvex::engine {

void TFVSchedule::SetDeposits(int first, int last, std::vector<TFVRow>& list, double growth,
                              double deposit) {
    const auto range = cashflow::ClampRowRange(first, last, list.size());
    if (!range) {
        return;
    }
    for (std::size_t index = range->first; index < range->second; ++index) {
        list[index].Deposit = deposit;
        deposit *= 1.0 + growth / 100.0;
    }
}

void TFVSchedule::SetRates(int first, int last, std::vector<TFVRow>& list, long double rate) {
    const auto range = cashflow::ClampRowRange(first, last, list.size());
    if (!range) {
        return;
    }
    for (std::size_t index = range->first; index < range->second; ++index) {
        list[index].Rate = rate;
    }
}

} // namespace quarvex::engine
