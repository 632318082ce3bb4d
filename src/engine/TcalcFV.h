#pragma once

#include <cstdint>

namespace quarvex::engine {

// Future value of a principal, kept in fixed point: every field counts ten-thousandths of a
// currency unit. Each call sets all three fields and returns FutureValue in currency units.
class TcalcFV {
public:
    std::int64_t Principal = 0;
    std::int64_t FutureValue = 0; // rounded to cents
    std::int64_t Interest = 0;    // FutureValue - Principal

    double CompoundFV(double principal, double i, double periods);
    double CompoundFVPeriods(double principal, double i, std::int32_t periods);
    double ContinuousFV(double principal, double rate, std::int32_t days, std::int32_t daysInYear);
    double SimpleFV(double principal, double i, double periods);

private:
    // Stores the principal; false when no interest can arise (the future value is then set).
    bool Start(double principal, bool earnsInterest);
    double Finish(long double futureValue);
};

} // namespace quarvex::engine
