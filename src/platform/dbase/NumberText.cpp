#include "platform/dbase/NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <system_error>

namespace quarvex::dbase {

namespace {

constexpr std::size_t kBuffer = 400; // plain notation of the largest double has 309 digits

// The shortest plain-notation text of the value, or 0 when it needs more than the buffer.
std::size_t ShortestPlain(double value, char* buffer) {
    const auto result = std::to_chars(buffer, buffer + kBuffer, value, std::chars_format::fixed);
    return result.ec == std::errc() ? static_cast<std::size_t>(result.ptr - buffer) : 0;
}

std::size_t ShortestExponent(double value, char* buffer) {
    const auto result =
        std::to_chars(buffer, buffer + kBuffer, value, std::chars_format::scientific);
    return result.ec == std::errc() ? static_cast<std::size_t>(result.ptr - buffer) : 0;
}

// Adds zeros (and the point) up to `decimals` decimals while the text stays within `width`;
// trailing zeros do not change the value the text stands for.
std::size_t PadDecimals(char* text, std::size_t length, std::size_t width, std::size_t decimals) {
    const char* point = static_cast<const char*>(std::memchr(text, '.', length));
    const std::size_t have =
        point == nullptr ? 0 : length - static_cast<std::size_t>(point - text) - 1;
    if (have >= decimals) {
        return length;
    }
    const std::size_t needed = (point == nullptr ? 1 : 0) + (decimals - have);
    if (length + needed > width) {
        return length;
    }
    if (point == nullptr) {
        text[length++] = '.';
    }
    for (std::size_t added = have; added < decimals; ++added) {
        text[length++] = '0';
    }
    return length;
}

void RightAlign(const char* text, std::size_t length, std::size_t width, char* out) {
    std::memset(out, ' ', width - length);
    std::memcpy(out + (width - length), text, length);
}

} // namespace

NumberFit FormatNumber(double value, std::size_t width, std::size_t decimals, char* out) {
    if (!std::isfinite(value)) {
        return NumberFit::NotFinite;
    }
    if (decimals == 0 && value != std::trunc(value)) {
        return NumberFit::NotWhole;
    }
    std::array<char, kBuffer + 32> text{};
    std::size_t length = ShortestPlain(value, text.data());
    if (length != 0 && length <= width) {
        if (decimals > 0) {
            length = PadDecimals(text.data(), length, width, decimals);
        }
        RightAlign(text.data(), length, width, out);
        return NumberFit::Fits;
    }
    length = ShortestExponent(value, text.data());
    if (length != 0 && length <= width) {
        RightAlign(text.data(), length, width, out);
        return NumberFit::Fits;
    }
    return NumberFit::TooWide;
}

ParsedNumber ParseNumber(std::string_view field) {
    std::size_t first = 0;
    std::size_t last = field.size();
    while (first < last && (field[first] == ' ' || field[first] == '\0')) {
        ++first;
    }
    while (last > first && (field[last - 1] == ' ' || field[last - 1] == '\0')) {
        --last;
    }
    if (first == last) {
        return {};
    }
    std::array<char, 256> text{};
    std::size_t length = 0;
    for (std::size_t at = first; at < last; ++at) {
        const char c = field[at];
        if (c == '+' && at == first) {
            continue;
        }
        text[length++] = c == ',' ? '.' : c;
    }
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + length, value);
    if (length == 0 || result.ec != std::errc() || result.ptr != text.data() + length ||
        !std::isfinite(value)) {
        return ParsedNumber{NumberParse::Invalid, 0.0};
    }
    return ParsedNumber{NumberParse::Value, value};
}

} // namespace quarvex::dbase
