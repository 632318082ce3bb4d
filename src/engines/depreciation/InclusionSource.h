#pragma once

#include "engines/depreciation/InclusionTable.h"

#include <string_view>
#include <vector>

namespace quarvex::engines {

// The readable form "auto.bin" is built from: lines of comma-separated numbers, '#' starting a
// comment line. "year,<table year>", "end,<value where the last bracket ends>", and one line a
// bracket: its lower bound, then the amounts of years 1 to 5. Brackets ascend; the records
// after the last one are filled with brackets that stand for none, starting at the end value.
// Raises quarvex::Exception naming the line for anything else.
InclusionTable ParseInclusionSource(std::string_view text);

// The 1 824 bytes of the file.
std::vector<std::uint8_t> InclusionTableBytes(const InclusionTable& table);

} // namespace quarvex::engines
