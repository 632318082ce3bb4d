#pragma once

#include "framework/dates/TwiceMonthly.h"
#include "framework/dates/Weekend.h"

namespace quarvex::engine {

// The program-wide settings that decide where the dated schedules put their rows. The
// calculator hands in the application's current values; the engines never read a global.
struct ScheduleDateOptions {
    int WeekendCode = dates::kNoAdjustment;      // index of the weekend adjustment list
    int TwiceMonthlyCode = dates::kFirstAnd15th; // index of the twice-monthly list
};

} // namespace quarvex::engine
