#include "platform/dbase/Field.h"

namespace quarvex::dbase {

namespace {

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

FieldSpec TextField(std::string_view name, std::uint8_t length) {
    return FieldSpec{CanonicalFieldName(name), FieldType::Character, length, 0};
}

FieldSpec NumberField(std::string_view name, std::uint8_t decimals) {
    return NumberField(name, kExactNumberWidth, decimals);
}

FieldSpec NumberField(std::string_view name, std::uint8_t width, std::uint8_t decimals) {
    return FieldSpec{CanonicalFieldName(name), FieldType::Numeric, width, decimals};
}

FieldSpec IntegerField(std::string_view name, std::uint8_t digits) {
    return FieldSpec{CanonicalFieldName(name), FieldType::Numeric, digits, 0};
}

FieldSpec DateField(std::string_view name) {
    return FieldSpec{CanonicalFieldName(name), FieldType::Date, 8, 0};
}

FieldSpec LogicalField(std::string_view name) {
    return FieldSpec{CanonicalFieldName(name), FieldType::Logical, 1, 0};
}

std::string CanonicalFieldName(std::string_view name) {
    std::string upper(name);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return upper;
}

std::string FieldProblem(const FieldSpec& field) {
    const std::string& name = field.name;
    if (name.empty() || name.size() > 10) {
        return "the field name \"" + name + "\" must have 1 to 10 characters";
    }
    if (!IsAsciiLetter(name[0])) {
        return "the field name \"" + name + "\" must begin with a letter";
    }
    for (const char c : name) {
        if (!IsAsciiLetter(c) && !IsAsciiDigit(c) && c != '_') {
            return "the field name \"" + name + "\" may hold only letters, digits and _";
        }
    }
    switch (field.type) {
    case FieldType::Character:
        if (field.length < 1 || field.length > kMaxTextLength || field.decimals != 0) {
            return "the text field " + name + " must be 1 to 254 characters wide";
        }
        return {};
    case FieldType::Numeric:
    case FieldType::Float:
        if (field.length < 1 || field.length > kExactNumberWidth) {
            return "the number field " + name + " must be 1 to 24 characters wide";
        }
        if (field.decimals > 0 && field.decimals + 2 > field.length) {
            return "the number field " + name + " has more decimals than its width allows";
        }
        return {};
    case FieldType::Date:
        return field.length == 8 && field.decimals == 0
                   ? std::string()
                   : "the date field " + name + " must be 8 characters wide";
    case FieldType::Logical:
        return field.length == 1 && field.decimals == 0
                   ? std::string()
                   : "the logical field " + name + " must be 1 character wide";
    }
    return "the field " + name + " has an unknown type";
}

} // namespace quarvex::dbase
