#include "amortization/database/RecordStamp.h"

#include <cstdio>
#include <ctime>

namespace quarvex::amortization::database {

RecordStamp SystemStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (::localtime_r(&now, &local) == nullptr) {
        return RecordStamp{};
    }
    return RecordStamp{dates::DMYToDayNumber(local.tm_mday, local.tm_mon + 1, local.tm_year + 1900),
                       (local.tm_hour * 60 + local.tm_min) * 60 + local.tm_sec % 60};
}

std::string StampTimeText(int secondOfDay) {
    if (secondOfDay < 0 || secondOfDay >= 86400) {
        secondOfDay = 0;
    }
    char text[9];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", secondOfDay / 3600, secondOfDay / 60 % 60,
                  secondOfDay % 60);
    return text;
}

} // namespace quarvex::amortization::database
