#include "framework/settings/TextLimits.h"

#include "framework/store/Utf8.h"

namespace quarvex::framework {

namespace {

std::size_t NextCharacter(std::string_view text, std::size_t pos) {
    const std::size_t length = Utf8CharLength(text, pos);
    return pos + (length == 0 ? 1 : length);
}

} // namespace

std::string CutToCharacters(std::string_view text, std::size_t maxCharacters) {
    std::size_t pos = 0;
    for (std::size_t count = 0; count < maxCharacters && pos < text.size(); ++count) {
        pos = NextCharacter(text, pos);
    }
    return std::string(text.substr(0, pos));
}

std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); pos = NextCharacter(text, pos)) {
        ++count;
    }
    return count;
}

} // namespace quarvex::framework
