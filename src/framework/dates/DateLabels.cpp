#include "framework/dates/DateLabels.h"

#include <ctime>

namespace quarvex::dates {
namespace {

constexpr std::size_t kNumberLength = 5;

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

std::string FirstCharacters(std::string_view text, std::size_t count) {
    std::size_t end = 0;
    for (std::size_t characters = 0; end < text.size(); ++end) {
        if (!IsContinuationByte(text[end]) && characters++ == count) {
            break;
        }
    }
    return std::string(text.substr(0, end));
}

std::string WeekdayName(DayNumber date) {
    const CalendarDate d = DayNumberToDMY(date);
    if (d.year == 0) {
        return "Bad Date";
    }
    std::tm when{};
    when.tm_mday = d.day;
    when.tm_mon = d.month - 1;
    when.tm_year = d.year - 1900;
    when.tm_wday = WeekdayOf(date);
    char name[64];
    const std::size_t length = std::strftime(name, sizeof name, "%A", &when);
    return FirstCharacters(std::string_view(name, length), kWeekdayNameLength);
}

std::string PeriodLabel(int number1, int number2, bool pad, char padCharacter, char separator) {
    std::string label = std::to_string(number1).substr(0, kNumberLength);
    label += separator;
    if (pad && number2 >= 0 && number2 < 10) {
        label += padCharacter;
    }
    label += std::to_string(number2).substr(0, kNumberLength);
    return label.substr(0, kPeriodLabelLength);
}

} // namespace quarvex::dates
