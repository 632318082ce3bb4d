#include "framework/masks/DatePicture.h"

#include "framework/masks/TypedNumber.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace quarvex::masks {

namespace {

constexpr std::string_view kDateSeparators = "/-., ";

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsLeapYear(int year) {
    return year % 4000 != 0 && ((year % 4 == 0 && year % 100 != 0) || year % 400 == 0);
}

int DaysInMonth(int month, int year) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

int ToInt(std::string_view digits) {
    int value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

std::string Padded(int value, int width) {
    std::string text = std::to_string(value);
    return std::string(text.size() < static_cast<std::size_t>(width) ? width - text.size() : 0,
                       '0') +
           text;
}

// The digit groups of typed text, split at separator characters; nullopt for any other
// character, a separator at the start or two in a row. `closed` tells whether the text ends
// with a separator.
std::optional<std::vector<std::string_view>> Groups(std::string_view text, bool& closed) {
    std::vector<std::string_view> groups;
    std::size_t start = 0;
    closed = false;
    for (std::size_t at = 0; at <= text.size(); ++at) {
        if (at < text.size() && IsDigit(text[at])) {
            closed = false;
            continue;
        }
        if (at < text.size() && kDateSeparators.find(text[at]) == std::string_view::npos) {
            return std::nullopt;
        }
        if (at == start) {
            if (at < text.size()) {
                return std::nullopt;
            }
            break;
        }
        groups.push_back(text.substr(start, at - start));
        start = at + 1;
        closed = at < text.size();
    }
    return groups;
}

} // namespace

bool IsValidDate(const DateParts& date) {
    return date.year >= 1600 && date.year <= 3999 && date.month >= 1 && date.month <= 12 &&
           date.day >= 1 && date.day <= DaysInMonth(date.month, date.year);
}

DatePicture::DatePicture(std::string_view picture, int epoch) : picture_(picture), epoch_(epoch) {
    const auto bad = [&] {
        return EBadPicture("The picture \"" + picture_ +
                           "\" is not a date picture of mm, dd and yyyy or yy.");
    };
    glue_.emplace_back();
    for (std::size_t at = 0; at < picture.size();) {
        const char letter =
            static_cast<char>(std::tolower(static_cast<unsigned char>(picture[at])));
        if (letter != 'm' && letter != 'd' && letter != 'y') {
            if (std::isalnum(static_cast<unsigned char>(picture[at])) != 0) {
                throw bad();
            }
            glue_.back() += picture[at++];
            continue;
        }
        std::size_t end = at;
        while (end < picture.size() &&
               std::tolower(static_cast<unsigned char>(picture[end])) == letter) {
            ++end;
        }
        const int width = static_cast<int>(end - at);
        const Part part = letter == 'm' ? Part::Month : letter == 'd' ? Part::Day : Part::Year;
        if ((part == Part::Year ? width != 2 && width != 4 : width != 2)) {
            throw bad();
        }
        for (const Slot& slot : slots_) {
            if (slot.part == part) {
                throw bad();
            }
        }
        slots_.push_back({part, width});
        glue_.emplace_back();
        at = end;
    }
    if (slots_.size() != 3) {
        throw bad();
    }
}

std::string DatePicture::Format(const std::optional<DateParts>& date) const {
    if (!date || !IsValidDate(*date)) {
        return {};
    }
    std::string text = glue_.front();
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        const Slot& slot = slots_[i];
        switch (slot.part) {
        case Part::Day:
            text += Padded(date->day, 2);
            break;
        case Part::Month:
            text += Padded(date->month, 2);
            break;
        case Part::Year:
            text += Padded(slot.width == 2 ? date->year % 100 : date->year, slot.width);
            break;
        }
        text += glue_[i + 1];
    }
    return text;
}

std::string DatePicture::ErrorMessage() const {
    return "Enter a valid date as " + picture_ + ".";
}

std::optional<DateParts>
DatePicture::FromGroups(const std::vector<std::string_view>& groups) const {
    DateParts date;
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        const std::string_view digits = groups[i];
        const int value = ToInt(digits);
        switch (slots_[i].part) {
        case Part::Day:
            date.day = value;
            break;
        case Part::Month:
            date.month = value;
            break;
        case Part::Year:
            if (digits.size() <= 2) {
                // The year of the epoch's hundred-year window that ends in these digits.
                date.year = epoch_ + ((value - epoch_ % 100) % 100 + 100) % 100;
            } else {
                date.year = value;
            }
            break;
        }
        const bool wide = slots_[i].part == Part::Year ? digits.size() != 4 && digits.size() > 2
                                                       : digits.size() > 2;
        if (digits.empty() || wide) {
            return std::nullopt;
        }
    }
    if (!IsValidDate(date)) {
        return std::nullopt;
    }
    return date;
}

Parsed<std::optional<DateParts>> DatePicture::Parse(std::string_view text) const {
    using Result = Parsed<std::optional<DateParts>>;
    text = TrimBlanks(text);
    if (text.empty()) {
        return Result::Success(std::nullopt);
    }
    bool closed = false;
    auto groups = Groups(text, closed);
    if (groups && !closed && groups->size() == 1) {
        // Digits run together: split them by the picture's widths, or with a two-digit year
        // where the picture has four.
        const std::string_view digits = groups->front();
        int total = 0;
        for (const Slot& slot : slots_) {
            total += slot.width;
        }
        const bool shortYear = static_cast<int>(digits.size()) == total - 2 &&
                               std::any_of(slots_.begin(), slots_.end(), [](const Slot& slot) {
                                   return slot.part == Part::Year && slot.width == 4;
                               });
        if (static_cast<int>(digits.size()) == total || shortYear) {
            groups->clear();
            std::size_t at = 0;
            for (const Slot& slot : slots_) {
                const std::size_t width = slot.part == Part::Year && shortYear ? 2 : slot.width;
                groups->push_back(digits.substr(at, width));
                at += width;
            }
        }
    }
    if (!groups || closed || groups->size() != slots_.size()) {
        return Result::Failure(ErrorMessage());
    }
    const auto date = FromGroups(*groups);
    if (!date) {
        return Result::Failure(ErrorMessage());
    }
    return Result::Success(date);
}

bool DatePicture::AcceptsPartial(std::string_view text) const {
    text = TrimBlanks(text);
    bool closed = false;
    const auto groups = Groups(text, closed);
    if (!groups) {
        return false;
    }
    if (groups->size() == 1 && !closed) {
        // Digits run together: cut them by the picture's widths.
        std::vector<std::string_view> cut;
        std::string_view digits = groups->front();
        for (const Slot& slot : slots_) {
            if (digits.empty()) {
                break;
            }
            cut.push_back(digits.substr(0, slot.width));
            digits.remove_prefix(cut.back().size());
        }
        return digits.empty() && PartialGroupsFit(cut, false);
    }
    if (groups->size() > slots_.size() || (closed && groups->size() == slots_.size())) {
        return false;
    }
    return PartialGroupsFit(*groups, closed);
}

bool DatePicture::PartialGroupsFit(const std::vector<std::string_view>& groups,
                                   bool lastClosed) const {
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const std::string_view digits = groups[i];
        const Part part = slots_[i].part;
        const int value = ToInt(digits);
        const bool complete = lastClosed || i + 1 < groups.size();
        if (part == Part::Year) {
            if (digits.size() > 4 || (complete && digits.size() == 3)) {
                return false;
            }
            continue;
        }
        const int highest = part == Part::Month ? 12 : 31;
        if (digits.size() > 2 || value > highest || (digits.size() == 2 && value == 0) ||
            (complete && value == 0)) {
            return false;
        }
    }
    return true;
}

} // namespace quarvex::masks
