#include "framework/store/RegTextEscapes.h"

#include "framework/store/Utf8.h"

namespace quarvex::framework {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

void AppendHexByte(std::string& out, char prefix1, char prefix2, unsigned char byte) {
    out += prefix1;
    if (prefix2 != '\0') {
        out += prefix2;
    }
    out += kHexDigits[byte >> 4];
    out += kHexDigits[byte & 0x0F];
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

std::optional<char> HexByte(std::string_view text, std::size_t pos) {
    if (pos + 2 > text.size()) {
        return std::nullopt;
    }
    const int high = HexValue(text[pos]);
    const int low = HexValue(text[pos + 1]);
    if (high < 0 || low < 0) {
        return std::nullopt;
    }
    return static_cast<char>(high * 16 + low);
}

// A character that shows nothing or breaks lines in an editor: C0 and C1 controls, DEL, the
// Unicode line and paragraph separators and the byte-order mark.
bool IsInvisible(std::string_view character) {
    const auto lead = static_cast<unsigned char>(character[0]);
    if (character.size() == 1) {
        return lead < 0x20 || lead == 0x7F;
    }
    if (character == "\u2028" || character == "\u2029" || character == "\uFEFF") {
        return true;
    }
    return character.size() == 2 && lead == 0xC2 && static_cast<unsigned char>(character[1]) < 0xA0;
}

// Calls visit(character, printable) for each UTF-8 character of text; a byte that does not
// start a well-formed character is visited alone with printable = false.
template <typename Visit> void ForEachCharacter(std::string_view text, Visit visit) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t length = Utf8CharLength(text, pos);
        const std::string_view character = text.substr(pos, length == 0 ? 1 : length);
        visit(character, length != 0 && !IsInvisible(character));
        pos += character.size();
    }
}

} // namespace

std::string QuoteText(std::string_view text) {
    std::string out = "\"";
    ForEachCharacter(text, [&out](std::string_view character, bool printable) {
        const char c = character[0];
        if (c == '\\' || c == '"') {
            out += '\\';
            out += c;
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (printable) {
            out += character;
        } else {
            for (char byte : character) {
                AppendHexByte(out, '\\', 'x', static_cast<unsigned char>(byte));
            }
        }
    });
    out += '"';
    return out;
}

std::optional<std::string> UnquoteText(std::string_view line, std::size_t& pos,
                                       std::string& error) {
    std::string text;
    std::size_t at = pos + 1; // past the opening quote
    while (at < line.size()) {
        const char c = line[at];
        if (c == '"') {
            pos = at + 1;
            return text;
        }
        if (c != '\\') {
            text += c;
            ++at;
            continue;
        }
        if (at + 1 >= line.size()) {
            break;
        }
        const char escape = line[at + 1];
        switch (escape) {
        case '\\':
        case '"':
            text += escape;
            break;
        case 't':
            text += '\t';
            break;
        case 'n':
            text += '\n';
            break;
        case 'r':
            text += '\r';
            break;
        case 'x': {
            auto byte = HexByte(line, at + 2);
            if (!byte) {
                error = "\\x must be followed by two hexadecimal digits";
                return std::nullopt;
            }
            text += *byte;
            at += 2;
            break;
        }
        default:
            error = std::string("unknown escape \\") + escape;
            return std::nullopt;
        }
        at += 2;
    }
    error = "a quoted text has no closing quote";
    return std::nullopt;
}

std::string EncodeKeyName(std::string_view name) {
    const std::size_t first = name.find_first_not_of(' ');
    const std::size_t last = name.find_last_not_of(' ');
    std::string out;
    std::size_t pos = 0;
    ForEachCharacter(name, [&](std::string_view character, bool printable) {
        const char c = character[0];
        const bool edgeBlank =
            c == ' ' && (pos < first || first == std::string_view::npos || pos > last);
        const bool special = c == '%' || c == '[' || c == ']' || c == '\\' || c == '"';
        if (printable && !edgeBlank && !special) {
            out += character;
        } else {
            for (char byte : character) {
                AppendHexByte(out, '%', '\0', static_cast<unsigned char>(byte));
            }
        }
        pos += character.size();
    });
    return out;
}

std::optional<std::string> DecodeKeyName(std::string_view encoded) {
    std::string name;
    for (std::size_t pos = 0; pos < encoded.size(); ++pos) {
        if (encoded[pos] != '%') {
            name += encoded[pos];
            continue;
        }
        auto byte = HexByte(encoded, pos + 1);
        if (!byte) {
            return std::nullopt;
        }
        name += *byte;
        pos += 2;
    }
    return name;
}

} // namespace quarvex::framework
