#include "engine/cashflow/TPVSchedule.h"

#include "engine/cashflow/ScheduleRows.h"

namespace quarvex::engine {

void TPVSchedule::SetAmounts(int first, int last, std::vector<TPVRow>& list, double growth,
                             double amount) {
    const auto range = cashflow::ClampRowRange(first, last, list.size());
    if (!range) {
        return;
    }
    for (std::size_t index = range->first; index < range->second; ++index) {
        list[index].Amount = amount;
        amount *= 1.0 + growth / 100.0;
    }
}

} // namespace quarvex::engine
