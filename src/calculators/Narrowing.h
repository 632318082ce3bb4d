#pragma once

namespace quarvex::calculators {

// A result kept in single precision: raises "The result is out of range." when the value
// does not fit a single (a yield of millions of percent over one day), never stores infinity.
float ToSingle(long double value);

} // namespace quarvex::calculators
