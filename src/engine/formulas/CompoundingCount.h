#pragma once

#include <cstdint>

namespace quarvex::engine {

// The compounding periods per year of a Compounding code, for the calculators whose formula
// needs a count: codes 1 to 10 as the periods-per-year table gives them, "Continuous" (0) as
// daily compounding, 365. "Simple" (11) and unknown codes raise ELoanException
// "Unsupported compounding period for this calculator.".
std::uint16_t CompoundingCountFor(std::uint8_t compoundingCode);

} // namespace quarvex::engine
