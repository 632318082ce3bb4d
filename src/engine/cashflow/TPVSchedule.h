#pragma once

#include "engine/cashflow/TFlexSchedule.h"
#include "framework/dates/Calendar.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quarvex::engine {

// One row of the present-value series. In the calculator's data files a row takes 48 bytes,
// fields aligned to 4: Label at 0 (length byte and 5 characters), Date at 8, Amount at 12,
// RunningAmount at 20, PV at 28, RunningPV at 36, Year at 44, 2 bytes of padding.
struct TPVRow {
    std::string Label; // "row/year", the year padded to two digits ("13/02"); see RowLabel
    dates::DayNumber Date = 0;
    double Amount = 0;        // the row's cash flow
    double RunningAmount = 0; // sum of the amounts up to this row
    double PV = 0;            // present value of the row's amount
    double RunningPV = 0;     // sum of the present values up to this row
    std::int16_t Year = 0;    // calendar-year counter: 1, then +1 at each new calendar year
};

class TPVSchedule : public TFlexSchedule<TPVRow> {
public:
    // Rows first..last of `list` (numbered from 1, both included) get `amount`, which grows by
    // `growth` percent from one row to the next. A range reaching past the list is cut to its
    // rows; nothing happens when last is before first.
    static void SetAmounts(int first, int last, std::vector<TPVRow>& list, double growth,
                           double amount);
    void SetAmounts(int first, int last, double growth, double amount) {
        SetAmounts(first, last, Records(), growth, amount);
    }
};

} // namespace quarvex::engine
