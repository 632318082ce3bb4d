#include "framework/dates/SystemClock.h"

#include "framework/dates/Calendar.h"

#include <ctime>

namespace quarvex::dates {

std::int32_t SystemClock::Today() const {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (::localtime_r(&now, &local) == nullptr) {
        return kNoDate;
    }
    return DMYToDayNumber(local.tm_mday, local.tm_mon + 1, local.tm_year + 1900);
}

} // namespace quarvex::dates
