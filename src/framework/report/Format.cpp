#include "framework/report/Format.h"

#include "framework/masks/NumberFormat.h"

#include <cstdio>
#include <vector>

namespace quarvex::report {

namespace {

struct Conversion {
    bool leftJustify = false;
    int width = 0;
    int precision = -1; // none given
    char letter = 0;
};

// Reads "[-][width][.precision]letter" after a '%'; `at` points past the '%'.
Conversion ReadConversion(std::string_view pattern, std::size_t& at) {
    Conversion conversion;
    if (at < pattern.size() && pattern[at] == '-') {
        conversion.leftJustify = true;
        ++at;
    }
    const auto readNumber = [&]() {
        int value = 0;
        while (at < pattern.size() && pattern[at] >= '0' && pattern[at] <= '9') {
            value = value * 10 + (pattern[at] - '0');
            ++at;
        }
        return value;
    };
    conversion.width = readNumber();
    if (at < pattern.size() && pattern[at] == '.') {
        ++at;
        conversion.precision = readNumber();
    }
    if (at >= pattern.size()) {
        throw EFormatError("Format pattern ends inside a conversion: " + std::string(pattern));
    }
    conversion.letter = pattern[at++];
    return conversion;
}

std::string Pad(std::string text, const Conversion& conversion) {
    // Widths count characters, not bytes: a currency sign such as the euro is one column.
    std::size_t columns = 0;
    for (const unsigned char c : text) {
        columns += (c & 0xC0) != 0x80 ? 1 : 0;
    }
    if (columns >= static_cast<std::size_t>(conversion.width)) {
        return text;
    }
    const std::string fill(conversion.width - columns, ' ');
    return conversion.leftJustify ? text + fill : fill + text;
}

double AsReal(const FormatArg& arg, std::string_view pattern) {
    if (const auto* real = std::get_if<double>(&arg)) {
        return *real;
    }
    if (const auto* whole = std::get_if<std::int64_t>(&arg)) {
        return static_cast<double>(*whole);
    }
    throw EFormatError("Format expects a number for a conversion of: " + std::string(pattern));
}

std::string Convert(const Conversion& conversion, const FormatArg& arg, std::string_view pattern,
                    const masks::NumberConventions& conventions) {
    switch (conversion.letter) {
    case 's':
        if (const auto* text = std::get_if<std::string>(&arg)) {
            return *text;
        }
        throw EFormatError("Format expects a text for %s in: " + std::string(pattern));
    case 'd':
        if (const auto* whole = std::get_if<std::int64_t>(&arg)) {
            return std::to_string(*whole);
        }
        throw EFormatError("Format expects a whole number for %d in: " + std::string(pattern));
    case 'f':
        return masks::FormatFixed(AsReal(arg, pattern),
                                  conversion.precision < 0 ? 2 : conversion.precision, conventions);
    case 'm':
        return masks::FormatMoney(AsReal(arg, pattern),
                                  conversion.precision < 0 ? 2 : conversion.precision, conventions);
    case 'n':
        return masks::FormatNumber(
            AsReal(arg, pattern), conversion.precision < 0 ? 2 : conversion.precision, conventions);
    default:
        throw EFormatError(std::string("Format has no conversion %") + conversion.letter +
                           " in: " + std::string(pattern));
    }
}

} // namespace

std::string Format(std::string_view pattern, std::span<const FormatArg> args,
                   const masks::NumberConventions& conventions) {
    std::string out;
    out.reserve(pattern.size() + 32);
    auto next = args.begin();
    std::size_t at = 0;
    while (at < pattern.size()) {
        const char c = pattern[at++];
        if (c != '%') {
            out += c;
            continue;
        }
        if (at < pattern.size() && pattern[at] == '%') {
            out += '%';
            ++at;
            continue;
        }
        const Conversion conversion = ReadConversion(pattern, at);
        if (next == args.end()) {
            throw EFormatError("Format is missing an argument for: " + std::string(pattern));
        }
        out += Pad(Convert(conversion, *next++, pattern, conventions), conversion);
    }
    return out;
}

} // namespace quarvex::report
