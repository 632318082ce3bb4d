#pragma once

#include "platform/Exception.h"

namespace quarvex::engines {

inline constexpr const char* kTooManyZeroValues = "Too many zero values.";
inline constexpr const char* kUnknownDepreciationError = "Unknown error in depreciation unit.";
inline constexpr const char* kRecoveryPeriodZero = "Recovery Period can't Be Zero";

// A schedule that cannot be computed from its inputs.
class EDepreciation : public Exception {
public:
    using Exception::Exception;
};

// A MACRS recovery period that leaves nothing to spread the basis over.
class ERecoveryPeriod : public Exception {
public:
    using Exception::Exception;
};

} // namespace quarvex::engines
