#include "amortization/TTransRec.h"

#include "amortization/AmortCodes.h"

namespace quarvex::amortization {

TTransRec InitRow(const RowDefaults& defaults) {
    TTransRec row;
    row.DueDate = defaults.Today;
    row.PenaltyDt = defaults.Today;
    row.CalcDueDt = true;
    row.CalcPenDt = true;
    row.CalcPmt = true;
    row.PmtTrans = true;
    row.CalcPrin = true;
    row.IntTrans = true;
    row.Pmt = defaults.Pmt;
    row.DaysSince = NominalDaysOf(defaults.PmtFreq);
    row.PerSince = 1.0;
    row.Rate = defaults.Rate;
    row.AccrualRt = defaults.Rate;
    row.PmtFreq = defaults.PmtFreq;
    row.CmpFreq = defaults.CmpFreq;
    row.TransType = 1;
    return row;
}

} // namespace quarvex::amortization
