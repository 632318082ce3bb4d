#pragma once

#include <cstdint>

namespace quarvex {

// Today's date as the program sees it; tests and the command line fix it.
class Clock {
public:
    virtual ~Clock() = default;
    // Day number of today (0 = 1 January 1600).
    virtual std::int32_t Today() const = 0;
};

} // namespace quarvex
