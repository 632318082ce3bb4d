#pragma once

namespace quarvex::engine {

// x rounded to `decimals` places (0 to 15) as a decimal number would be: the exact value of
// the double decides, so 1.005 (stored just below the half) gives 1.00, and an exact half
// rounds away from zero (1.125 gives 1.13). The result is the double nearest to the rounded
// decimal, and zero is never negative. Raises ERoundError for a value that cannot be rounded
// (not a number, infinite, or too large once scaled).
double RoundTo(int decimals, double x);

// Rounds to the nearest integer, halves to the even neighbour.
double RoundHalfEven(double x);

} // namespace quarvex::engine
