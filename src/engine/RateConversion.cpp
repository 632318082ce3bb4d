#include "engine/RateConversion.h"

#include <cmath>

namespace quarvex::engine {

long double PeriodicRate(double p, double c, double r) {
    const long double perCompounding = static_cast<long double>(r) / (100.0L * c);
    if (p == c) {
        return perCompounding;
    }
    const long double exponent = static_cast<long double>(c) / p;
    return std::exp(exponent * std::log(1.0L + perCompounding)) - 1.0L;
}

long double NominalRateAtFrequency(double p, double c, double r) {
    return p * PeriodicRate(p, c, r);
}

} // namespace quarvex::engine
