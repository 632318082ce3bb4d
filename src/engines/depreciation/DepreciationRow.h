#pragma once

#include <string>
#include <vector>

namespace quarvex::engines {

// One year of a depreciation schedule.
struct TDepreciationRow {
    std::string YearLabel; // the calendar year, at most 4 characters
    double Depreciation = 0;
    double AdjustedBasis = 0; // what is left after the year's depreciation
};

// The schedule an engine fills; the caller owns it.
using TDepreciationList = std::vector<TDepreciationRow>;

// The base of the four engines; it carries nothing of its own.
class TCalcDepreciation {};

} // namespace quarvex::engines
