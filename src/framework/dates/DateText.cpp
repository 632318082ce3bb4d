#include "framework/dates/DateText.h"

#include <cstdio>

namespace quarvex::dates {
namespace {

// The number written by `count` digits at `position`, or -1 when any of them is not a digit.
int DigitsAt(std::string_view text, std::size_t position, std::size_t count) {
    int value = 0;
    for (std::size_t i = position; i < position + count; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return -1;
        }
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

DayNumber FromNumbers(int day, int month, int year) {
    if (day < 0 || month < 0 || year < 0) {
        return kNoDate;
    }
    return DMYToDayNumber(day, month, year);
}

} // namespace

int YearInWindow(int yy, int epoch) {
    if (yy < 0 || yy > 99) {
        return -1;
    }
    const int century = epoch - epoch % 100;
    return century + yy < epoch ? century + 100 + yy : century + yy;
}

DayNumber ParseIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return kNoDate;
    }
    return FromNumbers(DigitsAt(text, 8, 2), DigitsAt(text, 5, 2), DigitsAt(text, 0, 4));
}

DayNumber ParseUsDate(std::string_view text) {
    if ((text.size() != 8 && text.size() != 10) || text[2] != '/' || text[5] != '/') {
        return kNoDate;
    }
    int year = DigitsAt(text, 6, text.size() - 6);
    if (text.size() == 8 && year >= 0) {
        year = YearInWindow(year);
    }
    return FromNumbers(DigitsAt(text, 3, 2), DigitsAt(text, 0, 2), year);
}

std::string FormatIsoDate(DayNumber date) {
    const CalendarDate d = DayNumberToDMY(date);
    if (d.year == 0) {
        return {};
    }
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year, d.month, d.day);
    return text;
}

std::string FormatUsDate(DayNumber date, YearDigits digits) {
    const CalendarDate d = DayNumberToDMY(date);
    if (d.year == 0) {
        return {};
    }
    char text[40];
    if (digits == YearDigits::Two) {
        std::snprintf(text, sizeof text, "%02d/%02d/%02d", d.month, d.day, d.year % 100);
    } else {
        std::snprintf(text, sizeof text, "%02d/%02d/%04d", d.month, d.day, d.year);
    }
    return text;
}

} // namespace quarvex::dates
