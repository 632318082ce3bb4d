#pragma once

namespace quarvex::engine {

// Powers in extended precision for the dated and fractional present values.
class TcalcPower {
public:
    // 1 for exponent 0, 0 for base 0 with a positive exponent, IntPower for a whole exponent
    // that fits 32 bits, otherwise exp(exponent * ln(base)).
    long double Power(long double base, long double exponent) const;
    // Repeated squaring over the absolute exponent; the reciprocal for a negative one.
    long double IntPower(long double base, long long exponent) const;
};

} // namespace quarvex::engine
