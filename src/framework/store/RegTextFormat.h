#pragma once

#include "framework/store/RegKeyTree.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

namespace quarvex::framework {

// The settings file is UTF-8 text meant to be read and, with care, edited by hand:
//
//   quarvex-settings 1
//   [Software\Kelvarn Software\Quarvex!]
//   "Version" = text "5.00a"
//   "Annual &Rate? (%):" = real 7.5
//   "Run times" = int 3
//   "Tips" = bool true
//   end
//
// The first significant line names the format and its version; "[path]" opens a key; each
// value line is a quoted name, "=", a kind word and the value. Reals are written in their
// shortest exact decimal form, so every double reads back bit for bit. Lines starting with '#'
// or ';' are comments. The line "end" closes the file: without it (or without the line feed
// after it) the file was cut short and is treated as damaged.
inline constexpr std::string_view kRegTextFormatLine = "quarvex-settings 1";
inline constexpr std::string_view kRegTextEndLine = "end";

std::string FormatRegText(const RegKeyTree& tree);

struct RegTextError {
    std::size_t line = 0; // 1-based; 0 when the fault is not on one line
    std::string reason;
};

// Parses a whole file. Nothing is half-read: either the complete tree or the first fault.
std::variant<RegKeyTree, RegTextError> ParseRegText(std::string_view text);

} // namespace quarvex::framework
