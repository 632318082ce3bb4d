#include "platform/dbase/KeyText.h"

namespace quarvex::dbase {

std::string_view TrimTrailing(std::string_view bytes) {
    std::size_t length = bytes.size();
    while (length > 0 && (bytes[length - 1] == ' ' || bytes[length - 1] == '\0')) {
        --length;
    }
    return bytes.substr(0, length);
}

char UpperWindows1252(char byte) {
    const auto code = static_cast<unsigned char>(byte);
    if (code >= 'a' && code <= 'z') {
        return static_cast<char>(code - 0x20);
    }
    if (code >= 0xE0 && code <= 0xFE && code != 0xF7) {
        return static_cast<char>(code - 0x20);
    }
    switch (code) {
    case 0x9A: // š
        return static_cast<char>(0x8A);
    case 0x9C: // œ
        return static_cast<char>(0x8C);
    case 0x9E: // ž
        return static_cast<char>(0x8E);
    case 0xFF: // ÿ
        return static_cast<char>(0x9F);
    default:
        return byte;
    }
}

void MakeUpper(std::string& bytes) {
    for (char& byte : bytes) {
        byte = UpperWindows1252(byte);
    }
}

} // namespace quarvex::dbase
