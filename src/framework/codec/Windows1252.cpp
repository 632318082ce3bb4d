#include "framework/codec/Windows1252.h"

#include "framework/codec/CodecErrors.h"

#include <array>
#include <cstdio>

namespace quarvex::codec {

namespace {

// The characters of bytes 0x80 to 0x9F; every other byte is the character of its number.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The code point starting at text[at], advancing `at`; nullopt for a malformed sequence.
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& at) {
    const auto byte = [&](std::size_t i) {
        return static_cast<unsigned char>(text[i]);
    };
    const unsigned char lead = byte(at);
    if (lead < 0x80) {
        ++at;
        return lead;
    }
    // The sequence length, the bits the lead byte carries, and the smallest code point that
    // needs this length (anything below is an overlong form).
    struct Form {
        unsigned char mask;
        unsigned char pattern;
        std::size_t length;
        char32_t lowest;
    };
    static constexpr std::array<Form, 3> kForms = {
        {{0xE0, 0xC0, 2, 0x80}, {0xF0, 0xE0, 3, 0x800}, {0xF8, 0xF0, 4, 0x10000}}};
    const Form* form = nullptr;
    for (const Form& candidate : kForms) {
        if ((lead & candidate.mask) == candidate.pattern) {
            form = &candidate;
        }
    }
    if (form == nullptr) {
        return std::nullopt;
    }
    const std::size_t length = form->length;
    const char32_t lowest = form->lowest;
    char32_t c = lead & static_cast<unsigned char>(~form->mask);
    if (text.size() - at < length) {
        return std::nullopt;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) {
            return std::nullopt;
        }
        c = (c << 6) | (byte(at + i) & 0x3F);
    }
    if (c < lowest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        return std::nullopt;
    }
    at += length;
    return c;
}

std::string Describe(char32_t c) {
    std::array<char, 16> code{};
    std::snprintf(code.data(), code.size(), "U+%04X", static_cast<unsigned>(c));
    std::string text;
    AppendUtf8(text, c);
    return "\"" + text + "\" (" + code.data() + ")";
}

} // namespace

char32_t Windows1252ToCodePoint(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : byte;
}

std::optional<unsigned char> CodePointToWindows1252(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<unsigned char>(codePoint);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == codePoint) {
            return static_cast<unsigned char>(0x80 + i);
        }
    }
    return std::nullopt;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        AppendUtf8(text, Windows1252ToCodePoint(static_cast<unsigned char>(byte)));
    }
    return text;
}

std::string Utf8ToWindows1252(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const auto codePoint = NextCodePoint(text, at);
        if (!codePoint) {
            throw ENotStorable("The text is not valid UTF-8.");
        }
        const auto byte = CodePointToWindows1252(*codePoint);
        if (!byte) {
            throw ENotStorable("The character " + Describe(*codePoint) +
                               " cannot be saved in this file.");
        }
        bytes += static_cast<char>(*byte);
    }
    return bytes;
}

bool IsStorableAsWindows1252(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const auto codePoint = NextCodePoint(text, at);
        if (!codePoint || !CodePointToWindows1252(*codePoint)) {
            return false;
        }
    }
    return true;
}

} // namespace quarvex::codec
