#include "amortization/RowLabel.h"

#include "amortization/TTransRec.h"

#include <algorithm>
#include <charconv>

namespace quarvex::amortization {
namespace {

constexpr std::ptrdiff_t kNumberLength = 5; // each number keeps at most its first 5 characters

char* PutNumber(char* out, int value) {
    if (value >= 0 && value < 100) {
        // Years and most row numbers: one or two digits, no call needed.
        if (value >= 10) {
            *out++ = static_cast<char>('0' + value / 10);
        }
        *out++ = static_cast<char>('0' + value % 10);
        return out;
    }
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    const std::ptrdiff_t length = std::min(result.ptr - digits, kNumberLength);
    return std::copy(digits, digits + length, out);
}

} // namespace

std::string RowLabel(int number, int year) {
    std::string label;
    SetRowLabel(label, number, year);
    return label;
}

void SetRowLabel(std::string& label, int number, int year) {
    char text[16];
    char* end = PutNumber(text, number);
    *end++ = '/';
    if (year >= 0 && year < 10) {
        *end++ = '0';
    }
    end = PutNumber(end, year);
    const std::ptrdiff_t length = std::min<std::ptrdiff_t>(end - text, kPmtNoYrLength);
    label.assign(text, static_cast<std::size_t>(length));
}

} // namespace quarvex::amortization
