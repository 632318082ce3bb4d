#pragma once

#include "framework/dates/Calendar.h"

#include <cstddef>
#include <string>
#include <string_view>

// Short texts made from dates and period numbers.
namespace quarvex::dates {

inline constexpr std::size_t kWeekdayNameLength = 9;
inline constexpr std::size_t kPeriodLabelLength = 8;

// The full weekday name of the C library's current LC_TIME locale ("Wednesday" in the C
// locale), cut to 9 characters; "Bad Date" for a date outside the valid range.
std::string WeekdayName(DayNumber date);

// number1, the separator, then number2, each in decimal cut to 5 characters; with `pad` set
// and number2 from 0 to 9, the pad character stands before number2 ("12/03"). Cut to 8
// characters.
std::string PeriodLabel(int number1, int number2, bool pad, char padCharacter, char separator);

// The first `count` characters of UTF-8 text, never splitting a character.
std::string FirstCharacters(std::string_view text, std::size_t count);

} // namespace quarvex::dates
