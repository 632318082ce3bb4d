#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace quarvex::framework {

// Length in bytes of the well-formed UTF-8 character starting at text[pos] (1 to 4), or 0
// when the bytes there are not one (stray continuation byte, overlong form, surrogate, a code
// point past U+10FFFF, a sequence cut short).
std::size_t Utf8CharLength(std::string_view text, std::size_t pos);

// The 1-based line of the first byte that is not well-formed UTF-8, or nullopt.
std::optional<std::size_t> FirstInvalidUtf8Line(std::string_view text);

} // namespace quarvex::framework
