#pragma once

#include "framework/dates/Calendar.h"

#include <string>
#include <string_view>

// Dates as text: "YYYY-MM-DD" on the command line, "mm/dd/yyyy" and "mm/dd/yy" in entry fields
// and reports. Parsing is strict: exactly the digits and separators of the form, nothing around
// them, and a day that exists; anything else is kNoDate.
namespace quarvex::dates {

// Two-digit years are read in the hundred years starting at this one: 80 is 1980, 79 is 2079.
inline constexpr int kTwoDigitYearEpoch = 1980;

// The year from `epoch` to epoch + 99 that ends in the two digits `yy` (0-99); -1 otherwise.
int YearInWindow(int yy, int epoch = kTwoDigitYearEpoch);

DayNumber ParseIsoDate(std::string_view text);

// "mm/dd/yyyy", or "mm/dd/yy" with the year read by YearInWindow.
DayNumber ParseUsDate(std::string_view text);

enum class YearDigits { Two, Four };

// Empty text for a date outside the valid range (no date). With YearDigits::Two only the last
// two digits of the year are written; they read back as the same date only for 1980-2079.
std::string FormatIsoDate(DayNumber date);
std::string FormatUsDate(DayNumber date, YearDigits digits = YearDigits::Four);

} // namespace quarvex::dates
