#pragma once

#include "platform/Clock.h"

namespace quarvex::dates {

// Today by the machine's local calendar.
class SystemClock : public Clock {
public:
    std::int32_t Today() const override;
};

// A day fixed in advance, for tests and for the command line's --today.
class FixedClock : public Clock {
public:
    explicit FixedClock(std::int32_t day) : day_(day) {}
    std::int32_t Today() const override { return day_; }

private:
    std::int32_t day_;
};

} // namespace quarvex::dates
