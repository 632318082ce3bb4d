#pragma once

#include "engine/cashflow/TFlexSchedule.h"
#include "framework/dates/Calendar.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quarvex::engine {

// One row of the future-value schedule. In the calculator's data files a row takes 92 bytes,
// fields aligned to 4: Label at 0 (length byte and 5 characters), Date at 8, Deposit at 12,
// Interest at 20, Rate at 28 (10-byte extended), RunningAmount at 40, RunningInterest at 48,
// FV at 56, Tax at 64, Inflation at 72, RealFV at 80, PmtCode at 88, CmpCode at 89, Year at 90.
struct TFVRow {
    std::string Label; // "row/year", the year unpadded ("13/2"); see RowLabel
    dates::DayNumber Date = 0;
    double Deposit = 0;         // deposit of the row
    double Interest = 0;        // interest earned in the row's period
    long double Rate = 0;       // annual rate of the row, percent
    double RunningAmount = 0;   // starting amount plus deposits so far
    double RunningInterest = 0; // interest so far
    double FV = 0;              // balance at the end of the row
    double Tax = 0;             // tax charged in this row
    double Inflation = 0;       // loss to inflation in this row
    double RealFV = 0;          // balance net of taxes and inflation so far
    std::uint8_t PmtCode = 0;   // 1 Daily ... 10 Annually
    std::uint8_t CmpCode = 0;   // 0 Continuous, 1 Daily ... 10 Annually, 11 Simple
    std::int16_t Year = 0;      // calendar-year counter: 1, then +1 at each new calendar year
};

class TFVSchedule : public TFlexSchedule<TFVRow> {
public:
    // Rows first..last of `list` (numbered from 1, both included) get `deposit`, which grows by
    // `growth` percent from one row to the next. A range reaching past the list is cut to its
    // rows; nothing happens when last is before first.
    static void SetDeposits(int first, int last, std::vector<TFVRow>& list, double growth,
                            double deposit);
    void SetDeposits(int first, int last, double growth, double deposit) {
        SetDeposits(first, last, Records(), growth, deposit);
    }

    // Every row of the range (cut to the list as above) gets the annual rate `rate`, percent.
    static void SetRates(int first, int last, std::vector<TFVRow>& list, long double rate);
    void SetRates(int first, int last, long double rate) { SetRates(first, last, Records(), rate); }
};

} // namespace quarvex::engine
