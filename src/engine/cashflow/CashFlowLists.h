#pragma once

#include "framework/dates/Calendar.h"

#include <cstdint>

// The three record layouts of the cash-flow lists that the discounting operations read. In every
// list record 0 is the flow at the start (time 0, usually the negative investment) and record k
// (k >= 1) the k-th later flow. The lists belong to their callers; the solvers only read them.
namespace quarvex::engine {

// One flow of a list discounted by whole periods. The date travels with the flow for the
// calculators' files and grids; the discounting does not read it.
struct TPeriodicCashFlow {
    dates::DayNumber Date = 0;
    double Amount = 0;
};

// One flow of a list discounted by the actual days since the date of record 0.
struct TDatedCashFlow {
    dates::DayNumber Date = 0;
    long double Amount = 0;
};

// One flow of a list whose first later flow lies a real number of periods after record 0 (the
// annual percentage rate of a loan with an odd first period).
struct TOffsetCashFlow {
    double Amount = 0;
};

} // namespace quarvex::engine
