#include "framework/masks/TypedNumber.h"

#include <array>
#include <vector>

namespace quarvex::masks {

namespace {

constexpr std::string_view kNoBreakSpace = "\xC2\xA0";
constexpr std::string_view kNarrowNoBreakSpace = "\xE2\x80\xAF";
constexpr std::array<std::string_view, 4> kBlanks = {" ", "\t", kNoBreakSpace, kNarrowNoBreakSpace};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The length of the thousands separator at text[at], or 0.
std::size_t ThousandsAt(std::string_view text, std::size_t at, const std::string& separator) {
    const std::string_view rest = text.substr(at);
    if (rest.starts_with(separator)) {
        return separator.size();
    }
    if (separator == " ") {
        for (const auto blank : {kNoBreakSpace, kNarrowNoBreakSpace}) {
            if (rest.starts_with(blank)) {
                return blank.size();
            }
        }
    }
    return 0;
}

// The digits of a number body: digits, thousands separators in their places, at most one
// decimal separator.
std::optional<TypedNumber> ReadBody(std::string_view body, const NumberConventions& conventions,
                                    bool partial) {
    TypedNumber number;
    std::vector<std::size_t> groups; // digits between thousands separators
    std::size_t group = 0;
    bool afterPoint = false;
    std::size_t at = 0;
    while (at < body.size()) {
        if (IsDigit(body[at])) {
            (afterPoint ? number.fraction : number.whole) += body[at];
            ++group;
            ++at;
        } else if (afterPoint) {
            return std::nullopt;
        } else if (body.substr(at).starts_with(conventions.decimalSeparator)) {
            afterPoint = true;
            number.hasPoint = true;
            groups.push_back(group);
            group = 0;
            at += conventions.decimalSeparator.size();
        } else if (const auto length = ThousandsAt(body, at, conventions.thousandsSeparator)) {
            if (group == 0) {
                return std::nullopt; // nothing before it, or two in a row
            }
            groups.push_back(group);
            group = 0;
            at += length;
        } else {
            return std::nullopt;
        }
    }
    if (!afterPoint) {
        groups.push_back(group);
    }
    if (groups.size() > 1) {
        if (groups.front() > 3) {
            return std::nullopt;
        }
        for (std::size_t i = 1; i < groups.size(); ++i) {
            const bool stillTyping = partial && !afterPoint && i + 1 == groups.size();
            if (stillTyping ? groups[i] > 3 : groups[i] != 3) {
                return std::nullopt;
            }
        }
    }
    if (!partial && !number.HasDigits()) {
        return std::nullopt;
    }
    return number;
}

std::string_view TrimLeft(std::string_view text) {
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (const auto blank : kBlanks) {
            if (text.starts_with(blank)) {
                text.remove_prefix(blank.size());
                trimmed = true;
            }
        }
    }
    return text;
}

std::string_view TrimRight(std::string_view text) {
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (const auto blank : kBlanks) {
            if (text.ends_with(blank)) {
                text.remove_suffix(blank.size());
                trimmed = true;
            }
        }
    }
    return text;
}

} // namespace

std::string_view TrimBlanks(std::string_view text) {
    return TrimRight(TrimLeft(text));
}

std::optional<TypedNumber> ReadTypedNumber(std::string_view text,
                                           const NumberConventions& conventions, bool partial) {
    std::string_view rest = TrimBlanks(text);
    const std::string_view symbol = conventions.currencySymbol;
    bool parentheses = false;
    bool sign = false;
    bool negative = false;
    bool symbolSeen = false;

    if (rest.starts_with('(')) {
        parentheses = true;
        rest = TrimLeft(rest.substr(1));
        if (rest.ends_with(')')) {
            rest = TrimRight(rest.substr(0, rest.size() - 1));
        } else if (!partial) {
            return std::nullopt;
        }
    }
    for (bool peeled = true; peeled;) {
        peeled = false;
        if (!sign && (rest.starts_with('-') || rest.starts_with('+'))) {
            sign = true;
            negative = rest.front() == '-';
            rest = TrimLeft(rest.substr(1));
            peeled = true;
        } else if (!symbolSeen && !symbol.empty() && rest.starts_with(symbol)) {
            symbolSeen = true;
            rest = TrimLeft(rest.substr(symbol.size()));
            peeled = true;
        }
    }
    if (parentheses && sign) {
        return std::nullopt;
    }
    const auto finish = [&](std::optional<TypedNumber> number) {
        if (number) {
            number->negative = negative || parentheses;
        }
        return number;
    };
    if (partial && !symbolSeen && !rest.empty() && symbol.starts_with(rest)) {
        return finish(TypedNumber{}); // typing the currency symbol
    }
    if (!symbolSeen && !symbol.empty() && rest.ends_with(symbol)) {
        return finish(
            ReadBody(TrimRight(rest.substr(0, rest.size() - symbol.size())), conventions, partial));
    }
    if (auto number = ReadBody(rest, conventions, partial); number || !partial || symbolSeen) {
        return finish(std::move(number));
    }
    // Still typing a currency symbol after the number: "1.234,50 k" on the way to "kr".
    for (std::size_t length = symbol.size(); length-- > 1;) {
        if (rest.ends_with(symbol.substr(0, length))) {
            return finish(
                ReadBody(TrimRight(rest.substr(0, rest.size() - length)), conventions, partial));
        }
    }
    return std::nullopt;
}

} // namespace quarvex::masks
