#pragma once

#include <string>
#include <string_view>

namespace quarvex::cli {

// A JSON string literal, quotes included, with everything JSON requires escaped.
std::string JsonString(std::string_view text);

// A JSON number with every digit the value needs to read back exactly; "null" for a value
// that is not finite (JSON has no infinities).
std::string JsonNumber(double value);
std::string JsonNumber(float value);
std::string JsonNumber(long double value);
std::string JsonNumber(long long value);

} // namespace quarvex::cli
