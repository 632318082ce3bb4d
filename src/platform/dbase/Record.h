#pragma once

#include "platform/dbase/Date.h"
#include "platform/dbase/Layout.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quarvex::dbase {

// Record numbers count from 1 in file order, as dBASE's RECNO() does; 0 is no record.
using RecNo = std::uint32_t;

// One record of a table: the bytes of its file image and the typed view of its fields. A
// value is checked and encoded when it is set, so a value that cannot be stored fails at
// once, naming the table and the field, and the record keeps its previous value:
// - text is UTF-8 here and Windows-1252 on disk; a text longer than its field or with a
//   character Windows-1252 does not have raises codec::ENotStorable (never cut or blanked).
//   Trailing blanks are not kept (dBASE pads texts with blanks); leading blanks are.
// - numbers are stored exactly (NumberText.h); NaN, infinities, fractions in a field without
//   decimals and numbers whose exact text does not fit the width raise ENotStorable.
// - dates must be valid Gregorian dates of the years 1 to 9999.
// Reading a value that the file holds in a form its type does not allow raises
// EDamagedTable naming the table, the record and the field.
class Record {
public:
    // A blank record of the layout: empty texts, numbers, dates and logicals.
    explicit Record(std::shared_ptr<const Layout> layout);
    // A record read from the file; `bytes` holds the layout's record length.
    Record(std::shared_ptr<const Layout> layout, RecNo number, std::span<const std::uint8_t> bytes);

    const Layout& Fields() const { return *layout_; }
    const std::shared_ptr<const Layout>& SharedLayout() const { return layout_; }
    RecNo Number() const { return number_; }
    bool IsDeleted() const;
    std::span<const std::uint8_t> Bytes() const { return bytes_; }

    // Field by index (Layout::IndexOf) or by name; a name the table does not have raises
    // EInvalidRequest, as does a value for a field of another type.
    void SetText(std::size_t field, std::string_view text);
    void SetNumber(std::size_t field, double value);
    void SetInteger(std::size_t field, std::int64_t value);
    void SetDate(std::size_t field, std::optional<Date> date);
    void SetLogical(std::size_t field, std::optional<bool> value);
    void Clear(std::size_t field); // blanks: empty text, no number, no date, unset logical

    std::string Text(std::size_t field) const;
    std::optional<double> Number(std::size_t field) const;
    // A number field's whole number; a fraction there raises EDamagedTable.
    std::optional<std::int64_t> Integer(std::size_t field) const;
    std::optional<Date> DateValue(std::size_t field) const;
    std::optional<bool> Logical(std::size_t field) const;
    bool IsEmpty(std::size_t field) const;
    // The field's bytes as stored (Windows-1252, padded).
    std::string_view Raw(std::size_t field) const;

    void SetText(std::string_view field, std::string_view text) { SetText(Index(field), text); }
    void SetNumber(std::string_view field, double value) { SetNumber(Index(field), value); }
    void SetInteger(std::string_view field, std::int64_t value) { SetInteger(Index(field), value); }
    void SetDate(std::string_view field, std::optional<Date> date) { SetDate(Index(field), date); }
    void SetLogical(std::string_view field, std::optional<bool> value) {
        SetLogical(Index(field), value);
    }
    void Clear(std::string_view field) { Clear(Index(field)); }
    std::string Text(std::string_view field) const { return Text(Index(field)); }
    std::optional<double> Number(std::string_view field) const { return Number(Index(field)); }
    std::optional<std::int64_t> Integer(std::string_view field) const {
        return Integer(Index(field));
    }
    std::optional<Date> DateValue(std::string_view field) const { return DateValue(Index(field)); }
    std::optional<bool> Logical(std::string_view field) const { return Logical(Index(field)); }
    bool IsEmpty(std::string_view field) const { return IsEmpty(Index(field)); }

private:
    std::size_t Index(std::string_view name) const { return layout_->IndexOf(name); }
    const FieldSpec& Expect(std::size_t field, bool (*accepts)(FieldType), const char* what) const;
    char* At(std::size_t field) {
        return reinterpret_cast<char*>(bytes_.data()) + layout_->Offset(field);
    }
    [[noreturn]] void Unreadable(std::size_t field, const std::string& what) const;

    std::shared_ptr<const Layout> layout_;
    RecNo number_ = 0;
    std::vector<std::uint8_t> bytes_;
};

} // namespace quarvex::dbase
