#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quarvex::framework {

// The first maxCharacters characters of a UTF-8 text; a character is never cut in two.
// Bytes that are not UTF-8 count as one character each.
std::string CutToCharacters(std::string_view text, std::size_t maxCharacters);

// The number of characters of a UTF-8 text, counted as CutToCharacters counts them.
std::size_t CharacterCount(std::string_view text);

} // namespace quarvex::framework
