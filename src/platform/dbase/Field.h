#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The fields of a table: name, type, width and decimals as the field descriptors of a dBASE
// III file give them.
namespace quarvex::dbase {

enum class FieldType : char {
    Character = 'C', // text, left-aligned, blank-padded, Windows-1252
    Numeric = 'N',   // number as right-aligned decimal text
    Float = 'F',     // the same text as Numeric (dBASE IV's other name for it)
    Date = 'D',      // YYYYMMDD, or blanks for no date
    Logical = 'L',   // T or F, ? for unset
};

struct FieldSpec {
    std::string name; // up to 10 characters, stored in capitals
    FieldType type = FieldType::Character;
    std::uint8_t length = 1;
    std::uint8_t decimals = 0;
    friend bool operator==(const FieldSpec&, const FieldSpec&) = default;
};

// The width of the number fields that hold any double exactly: the shortest text that reads
// back to the same double is at most 24 characters ("-2.2250738585072014e-308"), and in
// plain decimal notation far less for the amounts and rates a schedule holds.
inline constexpr std::uint8_t kExactNumberWidth = 24;

// The limits of dBASE III PLUS, kept for the tables we create so that any dBASE reader opens
// them.
inline constexpr std::size_t kMaxFields = 128;
inline constexpr std::size_t kMaxRecordLength = 4000;
inline constexpr std::uint8_t kMaxTextLength = 254;

// A text field of `length` characters (1 to 254).
FieldSpec TextField(std::string_view name, std::uint8_t length);

// A number field that holds every double exactly: N(24, decimals). Other programs go by the
// decimals: declare as many as the field's values have (the stored text always has every
// digit the double needs, and is padded with zeros to the decimals where there is room).
FieldSpec NumberField(std::string_view name, std::uint8_t decimals);

// A number field of `width` characters with `decimals` decimals: N(width, decimals). The
// stored text is that of NumberField, so a value with more decimals than declared still
// keeps every digit; choose the decimals so that the values the field is for need no more.
FieldSpec NumberField(std::string_view name, std::uint8_t width, std::uint8_t decimals);

// A number field for whole numbers of up to `digits` characters, sign included: N(digits, 0).
FieldSpec IntegerField(std::string_view name, std::uint8_t digits);

// A date field (8 characters) and a logical field (1 character).
FieldSpec DateField(std::string_view name);
FieldSpec LogicalField(std::string_view name);

// The name in capitals, as field names are stored and compared.
std::string CanonicalFieldName(std::string_view name);

// Why the field cannot be part of a table we create (an empty text when it can): the name
// must be 1 to 10 letters, digits or underscores beginning with a letter; the width must
// suit the type.
std::string FieldProblem(const FieldSpec& field);

} // namespace quarvex::dbase
