#include "framework/masks/DecimalText.h"

#include "engine/Rounding.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace quarvex::masks {

namespace {

// From 2^53 on every double is a whole number, so rounding leaves it as it is.
constexpr double kAllWhole = 9007199254740992.0;

} // namespace

DecimalText ToDecimalText(double value, int decimals) {
    decimals = std::clamp(decimals, 0, kMaxDecimals);
    const double rounded = std::fabs(value) < kAllWhole ? engine::RoundTo(decimals, value) : value;
    // The largest double has 309 whole digits; sign, point and decimals fit in the rest.
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                      std::fabs(rounded), std::chars_format::fixed, decimals);
    const std::string_view digits(buffer.data(), result.ptr - buffer.data());
    DecimalText text;
    const auto point = digits.find('.');
    text.whole = std::string(digits.substr(0, point));
    if (point != std::string_view::npos) {
        text.fraction = std::string(digits.substr(point + 1));
    }
    text.negative = rounded < 0;
    return text;
}

std::string GroupThousands(std::string_view digits, std::string_view separator) {
    std::string grouped;
    grouped.reserve(digits.size() + digits.size() / 3 * separator.size());
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped += separator;
        }
        grouped += digits[i];
    }
    return grouped;
}

std::string AttachCurrency(std::string_view number, bool negative, bool symbolLeft,
                           const NumberConventions& conventions) {
    const std::string& symbol = conventions.currencySymbol;
    const std::string_view blank = conventions.blankBesideSymbol && !symbol.empty() ? " " : "";
    const std::string sign = negative ? "-" : "";
    std::string body(number);
    if (negative && conventions.negativeMoney == NegativeMoney::MinusBeforeDigits && symbolLeft) {
        return symbol + std::string(blank) + sign + body;
    }
    const std::string positive =
        symbolLeft ? symbol + std::string(blank) + body : body + std::string(blank) + symbol;
    if (!negative) {
        return positive;
    }
    if (conventions.negativeMoney == NegativeMoney::Parentheses) {
        return "(" + positive + ")";
    }
    return sign + positive;
}

} // namespace quarvex::masks
