#pragma once

#include "framework/dates/Calendar.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace quarvex::amortization {

// One row (transaction) of a flexible amortization schedule. The field names, in this order,
// are also the columns of the schedule database's transaction table. Rates are annual percents
// except AccPerRt (a fraction per payment period) and AccDlyRt (a fraction per day).
struct TTransRec {
    std::int16_t NumYears = 0;      // loan year: whole years from the first payment, plus 1
    dates::DayNumber TransDate = 0; // origination date on the opening row, else payment date
    std::int32_t TransNo = 0;       // 0 for the opening row, then 1, 2, ...
    std::int32_t PmtNo = 0;         // payment number; moves with TransNo
    std::string PmtNoYr;            // "13/02"; "Init/1" on the opening row (up to 8 chars)
    dates::DayNumber DueDate = 0;   // not used by the engine
    bool CalcDueDt = false;         // not used by the engine
    dates::DayNumber PenaltyDt = 0; // not used by the engine
    bool CalcPenDt = false;         // not used by the engine
    double Pmt = 0;                 // payment without the extra payment
    bool CalcPmt = false;           // a recalculation may replace Pmt by a solved payment
    bool PmtTrans = false;          // not used by the engine
    double ExtraPmt = 0;            // extra principal paid with the row
    double Advance = 0;             // amount advanced: the loan amount on the opening row
    double Principal = 0;           // Pmt + ExtraPmt - Interest; opening row: amounts added
    bool CalcPrin = false;          // the engine always derives Principal
    double Interest = 0;            // interest charged for the row
    double AccruedInt = 0;          // unpaid interest of the row (+) or unpaid interest repaid (-)
    bool IntTrans = false;          // not used by the engine
    double PrinBal = 0;             // balance after the row
    std::int32_t DaysLate = 0;      // not used by the engine
    std::int32_t DaysSince = 0;     // days of interest the row covers
    double PerSince = 0;            // payment periods of interest the row covers
    long double Rate = 0;           // annual rate the payment is solved at from this row on
    bool RateChng = false;          // Rate differs from the previous row's
    long double AccrualRt = 0;      // annual rate interest accrues at from this row's date on
    long double AccPerRt = 0;       // periodic rate derived from AccrualRt
    long double AccDlyRt = 0;       // daily rate derived from AccrualRt
    bool AccRtChng = false;         // not used by the engine
    double MinPmtDue = 0;           // not used by the engine
    double Escrow = 0;              // not used by the engine
    double LatePenal = 0;           // not used by the engine
    bool CalcLatePn = false;        // not used by the engine
    double Other = 0;               // not used by the engine
    double RunningPmt = 0;          // sum of Pmt from the opening row on
    double RunningExtraPmt = 0;     // sum of ExtraPmt
    double RunningPrincipal = 0;    // sum of Principal
    double RunningInt = 0;          // sum of Interest
    double RunningAccruedInt = 0;   // interest unpaid so far, never below 0
    std::uint8_t PmtFreq = 0;       // payment frequency code of the row (1-10)
    std::uint8_t CmpFreq = 0;       // compounding code of the row (0-11)
    bool Actual = false;            // not used by the engine
    std::uint8_t TransType = 0;     // not used by the engine
    std::string UserID;             // not used by the engine (up to 2 chars)
    std::string ClientRef;          // not used by the engine (up to 8 chars)
    std::string Comment;            // not used by the engine (up to 24 chars)
};

// The capacities of the text fields (characters).
inline constexpr std::size_t kPmtNoYrLength = 8;
inline constexpr std::size_t kUserIDLength = 2;
inline constexpr std::size_t kClientRefLength = 8;
inline constexpr std::size_t kCommentLength = 24;

// What a new row takes from the engine that makes it.
struct RowDefaults {
    dates::DayNumber Today = 0;
    double Pmt = 0;           // the engine's payment
    long double Rate = 0;     // the engine's annual rate, percent
    std::uint8_t PmtFreq = 0; // the engine's payment frequency code
    std::uint8_t CmpFreq = 0; // the engine's compounding code
};

// A new row: due and penalty dates today, the Calc... and ...Trans flags set, Pmt, Rate and
// AccrualRt the engine's, DaysSince the nominal days of the frequency, PerSince 1, TransType 1,
// every other amount 0, every other flag clear and the texts empty. The caller fills the rest.
TTransRec InitRow(const RowDefaults& defaults);

} // namespace quarvex::amortization
