#pragma once

namespace quarvex::engine {

// The rate of one payment period, as a decimal fraction, when the annual percentage r is
// compounded c times a year and paid p times a year: (1 + r / (100 c)) ^ (c / p) - 1.
// Exactly r / (100 p) when p equals c.
long double PeriodicRate(double p, double c, double r);

// The nominal annual rate, as a decimal fraction, that compounded p times a year equals r
// compounded c times a year: p * PeriodicRate(p, c, r).
long double NominalRateAtFrequency(double p, double c, double r);

} // namespace quarvex::engine
