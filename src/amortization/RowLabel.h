#pragma once

#include <string>

namespace quarvex::amortization {

// The label of a schedule row: its number, a slash and its loan year, the year with two digits
// below 10 ("13/02"). The same text as dates::PeriodLabel(number, year, true, '0', '/'), made
// without temporaries because every row of every schedule gets one.
std::string RowLabel(int number, int year);

// The same label written into `label`, which keeps its storage.
void SetRowLabel(std::string& label, int number, int year);

} // namespace quarvex::amortization
