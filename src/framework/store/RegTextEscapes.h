#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quarvex::framework {

// Value names and texts are written in double quotes. Inside them \\ \" \t \n \r stand for
// themselves and \xHH for any one byte; control characters, invisible separators and bytes
// that are not UTF-8 are written that way, so every name and text survives exactly and the
// file stays readable UTF-8 with one entry per line.
std::string QuoteText(std::string_view text);

// Reads a quoted text starting at line[pos] (the opening quote). On success pos is just past
// the closing quote; on failure error says what is wrong.
std::optional<std::string> UnquoteText(std::string_view line, std::size_t& pos, std::string& error);

// Key names in a [section] line: %HH stands for one byte. Written so for '%', '[', ']', '\',
// '"', control characters, invisible separators, bytes that are not UTF-8 and blanks at either
// end of the name (which an editor would otherwise lose).
std::string EncodeKeyName(std::string_view name);

// nullopt when a '%' is not followed by two hexadecimal digits.
std::optional<std::string> DecodeKeyName(std::string_view encoded);

} // namespace quarvex::framework
