#pragma once

#include "platform/dbase/Layout.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace quarvex::dbase {

// An index tag as the program declares it: its name ("ACCOUNTNO") and key expression.
struct TagSpec {
    std::string name;
    std::string expression; // "FIELD" or "UPPER(FIELD)"
    friend bool operator==(const TagSpec&, const TagSpec&) = default;
};

// The key expression of a tag, bound to a table's fields. A key is the field's stored bytes
// without trailing blanks, in capitals for UPPER(...). Keys are kept on text and date fields
// (a date key is its YYYYMMDD text, so keys sort by date).
class TagExpression {
public:
    // Throws EInvalidRequest for another form of expression, a field the table lacks or a
    // field of another type.
    TagExpression(std::string_view expression, const Layout& layout);

    // "UPPER(ACCOUNTNO)" or "LOANNO": the expression as written in capitals.
    const std::string& Canonical() const { return canonical_; }
    std::size_t Field() const { return field_; }
    bool Upper() const { return upper_; }
    std::size_t Width() const { return width_; }

    // The key of a record image.
    std::string KeyOf(std::span<const std::uint8_t> record) const;
    // The key of a sought value given as UTF-8 (converted, trimmed, capitals for UPPER).
    // Throws codec::ENotStorable when the text has no Windows-1252 form.
    std::string KeyOfText(std::string_view text) const;

private:
    std::string canonical_;
    std::size_t field_ = 0;
    std::size_t offset_ = 0;
    std::size_t width_ = 0;
    bool upper_ = false;
};

} // namespace quarvex::dbase
