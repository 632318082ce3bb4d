#pragma once

#include <optional>
#include <string>
#include <string_view>

// The character set of the texts in our data files and tables: Windows-1252, one byte per
// character. All 256 bytes map to Unicode and back; the five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control characters of the same number,
// as other converters do, so no byte is ever lost on a round trip.
namespace quarvex::codec {

// The character of one byte.
char32_t Windows1252ToCodePoint(unsigned char byte);

// The byte of one character; nullopt for a character Windows-1252 does not have.
std::optional<unsigned char> CodePointToWindows1252(char32_t codePoint);

// Bytes of Windows-1252 as UTF-8. Never fails.
std::string Windows1252ToUtf8(std::string_view bytes);

// UTF-8 text as Windows-1252 bytes. Throws ENotStorable for text that is not well-formed
// UTF-8 (overlong forms, surrogates and cut sequences included) and for a character that
// Windows-1252 does not have, naming it.
std::string Utf8ToWindows1252(std::string_view text);

// Whether Utf8ToWindows1252 would succeed.
bool IsStorableAsWindows1252(std::string_view text);

} // namespace quarvex::codec
