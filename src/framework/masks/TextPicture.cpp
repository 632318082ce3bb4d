#include "framework/masks/TextPicture.h"

#include "framework/masks/TypedNumber.h"

namespace quarvex::masks {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::string FormatYesNo(bool value) {
    return value ? "Y" : "N";
}

Parsed<bool> ParseYesNo(std::string_view text) {
    text = TrimBlanks(text);
    if (text.empty() || text == "N" || text == "n") {
        return Parsed<bool>::Success(false);
    }
    if (text == "Y" || text == "y") {
        return Parsed<bool>::Success(true);
    }
    return Parsed<bool>::Failure("Enter Y or N.");
}

bool AcceptsPartialYesNo(std::string_view text) {
    return ParseYesNo(text).Ok();
}

TextPicture::TextPicture(std::string_view picture) : picture_(picture) {
    for (const char c : picture) {
        digits_ += c == '9' ? 1 : 0;
    }
    if (digits_ == 0) {
        throw EBadPicture("The picture \"" + picture_ + "\" has no digit positions.");
    }
}

Parsed<std::string> TextPicture::Parse(std::string_view text) const {
    std::string digits;
    for (const char c : TrimBlanks(text)) {
        if (IsDigit(c)) {
            digits += c;
        } else if (c != ' ' && c != '(' && c != ')' && picture_.find(c) == std::string::npos) {
            return Parsed<std::string>::Failure("Enter up to " + std::to_string(digits_) +
                                                " digits as " + picture_ + ".");
        }
    }
    if (static_cast<int>(digits.size()) > digits_) {
        return Parsed<std::string>::Failure("Enter up to " + std::to_string(digits_) +
                                            " digits as " + picture_ + ".");
    }
    std::string value;
    std::size_t next = 0;
    for (const char c : picture_) {
        if (next == digits.size()) {
            break;
        }
        value += c == '9' ? digits[next++] : c;
    }
    return Parsed<std::string>::Success(value);
}

std::string TextPicture::Format(std::string_view value) const {
    const auto parsed = Parse(value);
    return parsed.Ok() ? *parsed.value : std::string(value);
}

bool TextPicture::AcceptsPartial(std::string_view text) const {
    return Parse(text).Ok();
}

} // namespace quarvex::masks
