#include "framework/store/Utf8.h"

#include <algorithm>

namespace quarvex::framework {

namespace {

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

} // namespace

std::size_t Utf8CharLength(std::string_view text, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 0;
    char32_t codePoint = 0;
    if (lead < 0x80) {
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        codePoint = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        codePoint = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        codePoint = lead & 0x07;
    } else {
        return 0;
    }
    if (pos + length > text.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[pos + i]);
        if (!IsContinuation(byte)) {
            return 0;
        }
        codePoint = (codePoint << 6) | (byte & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool overlong = codePoint < kSmallest[length];
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    return (overlong || surrogate || codePoint > 0x10FFFF) ? 0 : length;
}

std::optional<std::size_t> FirstInvalidUtf8Line(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t length = Utf8CharLength(text, pos);
        if (length == 0) {
            return 1 + static_cast<std::size_t>(std::count(text.begin(), text.begin() + pos, '\n'));
        }
        pos += length;
    }
    return std::nullopt;
}

} // namespace quarvex::framework
