#pragma once

#include "framework/dates/Calendar.h"
#include "platform/Clock.h"

#include <functional>
#include <string>

namespace quarvex::amortization::database {

// When a record is written: the RECORDDATE / RecDate day and the RECORDTIME / RecTime text.
struct RecordStamp {
    dates::DayNumber date = dates::kNoDate;
    int secondOfDay = 0; // 0 to 86399
};

// Where the stamps come from: the machine's local time unless a test fixes it.
using StampSource = std::function<RecordStamp()>;

// The local date and time now.
RecordStamp SystemStamp();

// "hh:mm:ss", 24-hour clock.
std::string StampTimeText(int secondOfDay);

// The date of a stamp source as the table engine's clock (the update date of the headers).
class StampClock : public Clock {
public:
    explicit StampClock(StampSource source) : source_(std::move(source)) {}
    std::int32_t Today() const override { return source_().date; }

private:
    StampSource source_;
};

} // namespace quarvex::amortization::database
