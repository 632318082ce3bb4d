#include "cli/Json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace quarvex::cli {

namespace {

template <class Real> std::string ShortestReal(Real value) {
    if (!std::isfinite(value)) {
        return "null";
    }
    char text[128];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

} // namespace

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

std::string JsonNumber(double value) {
    return ShortestReal(value);
}
std::string JsonNumber(float value) {
    return ShortestReal(value);
}
std::string JsonNumber(long double value) {
    return ShortestReal(value);
}
std::string JsonNumber(long long value) {
    return std::to_string(value);
}

} // namespace quarvex::cli
