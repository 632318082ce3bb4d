#include "platform/dbase/Record.h"

#include "framework/codec/CodecErrors.h"
#include "framework/codec/Windows1252.h"
#include "platform/dbase/DbaseErrors.h"
#include "platform/dbase/Header.h"
#include "platform/dbase/KeyText.h"
#include "platform/dbase/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace quarvex::dbase {

namespace {

bool IsText(FieldType type) {
    return type == FieldType::Character;
}
bool IsNumber(FieldType type) {
    return type == FieldType::Numeric || type == FieldType::Float;
}
bool IsDate(FieldType type) {
    return type == FieldType::Date;
}
bool IsLogical(FieldType type) {
    return type == FieldType::Logical;
}

const char* KindOf(FieldType type) {
    switch (type) {
    case FieldType::Character:
        return "a text field";
    case FieldType::Numeric:
    case FieldType::Float:
        return "a number field";
    case FieldType::Date:
        return "a date field";
    case FieldType::Logical:
        return "a logical field";
    }
    return "a field";
}

std::string NumberForMessage(double value) {
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

std::string FieldLabel(const Layout& layout, std::size_t field) {
    return "the field " + layout.Field(field).name + " of \"" + layout.TableName() + "\"";
}

constexpr double kLargestExactInteger = 9007199254740992.0; // 2^53

} // namespace

Record::Record(std::shared_ptr<const Layout> layout)
    : layout_(std::move(layout)), bytes_(layout_->RecordLength(), ' ') {}

Record::Record(std::shared_ptr<const Layout> layout, RecNo number,
               std::span<const std::uint8_t> bytes)
    : layout_(std::move(layout)), number_(number), bytes_(bytes.begin(), bytes.end()) {}

bool Record::IsDeleted() const {
    return bytes_[0] == kRecordDeleted;
}

const FieldSpec& Record::Expect(std::size_t field, bool (*accepts)(FieldType),
                                const char* what) const {
    if (field >= layout_->FieldCount()) {
        throw EInvalidRequest("The table \"" + layout_->TableName() + "\" has no field number " +
                              std::to_string(field + 1) + ".");
    }
    const FieldSpec& spec = layout_->Field(field);
    if (!accepts(spec.type)) {
        std::string label = FieldLabel(*layout_, field);
        label[0] = 'T';
        throw EInvalidRequest(label + " is " + KindOf(spec.type) + "; it does not hold " + what +
                              ".");
    }
    return spec;
}

void Record::Unreadable(std::size_t field, const std::string& what) const {
    throw EDamagedTable("The table \"" + layout_->TableName() + "\" is damaged: record " +
                        std::to_string(number_) + " holds \"" +
                        codec::Windows1252ToUtf8(Raw(field)) + "\" in its field " +
                        layout_->Field(field).name + ", which is not " + what + ".");
}

std::string_view Record::Raw(std::size_t field) const {
    return std::string_view(reinterpret_cast<const char*>(bytes_.data()) + layout_->Offset(field),
                            layout_->Field(field).length);
}

void Record::SetText(std::size_t field, std::string_view text) {
    const FieldSpec& spec = Expect(field, IsText, "text");
    std::string bytes;
    try {
        bytes = codec::Utf8ToWindows1252(text);
    } catch (const codec::ENotStorable& error) {
        throw codec::ENotStorable("The text \"" + std::string(text) + "\" cannot be stored in " +
                                  FieldLabel(*layout_, field) + ": " + error.Message());
    }
    if (bytes.find('\0') != std::string::npos) {
        throw codec::ENotStorable("The text for " + FieldLabel(*layout_, field) +
                                  " holds a NUL character, which a table cannot store.");
    }
    const std::string_view kept = TrimTrailing(bytes);
    if (kept.size() > spec.length) {
        throw codec::ENotStorable("The text \"" + std::string(text) + "\" is too long for " +
                                  FieldLabel(*layout_, field) + ", which holds " +
                                  std::to_string(spec.length) + " characters at most.");
    }
    char* out = At(field);
    std::memcpy(out, kept.data(), kept.size());
    std::memset(out + kept.size(), ' ', spec.length - kept.size());
}

void Record::SetNumber(std::size_t field, double value) {
    const FieldSpec& spec = Expect(field, IsNumber, "a number");
    char text[256];
    switch (FormatNumber(value, spec.length, spec.decimals, text)) {
    case NumberFit::Fits:
        std::memcpy(At(field), text, spec.length);
        return;
    case NumberFit::NotFinite:
        throw codec::ENotStorable("A number that is not finite cannot be stored in " +
                                  FieldLabel(*layout_, field) + ".");
    case NumberFit::NotWhole:
        throw codec::ENotStorable("The number " + NumberForMessage(value) +
                                  " cannot be stored in " + FieldLabel(*layout_, field) +
                                  ", which holds whole numbers only.");
    case NumberFit::TooWide:
        throw codec::ENotStorable("The number " + NumberForMessage(value) + " does not fit " +
                                  FieldLabel(*layout_, field) + ", which is " +
                                  std::to_string(spec.length) + " characters wide.");
    }
}

void Record::SetInteger(std::size_t field, std::int64_t value) {
    Expect(field, IsNumber, "a number");
    const auto asDouble = static_cast<double>(value);
    if (std::fabs(asDouble) > kLargestExactInteger) {
        throw codec::ENotStorable("The number " + std::to_string(value) + " is too large for " +
                                  FieldLabel(*layout_, field) + ".");
    }
    SetNumber(field, asDouble);
}

void Record::SetDate(std::size_t field, std::optional<Date> date) {
    Expect(field, IsDate, "a date");
    if (!date) {
        std::memset(At(field), ' ', 8);
        return;
    }
    if (!IsValidDate(*date)) {
        throw codec::ENotStorable("The date " + std::to_string(date->year) + "-" +
                                  std::to_string(date->month) + "-" + std::to_string(date->day) +
                                  " is not a valid date for " + FieldLabel(*layout_, field) + ".");
    }
    const std::string text = DateToText(*date);
    std::memcpy(At(field), text.data(), 8);
}

void Record::SetLogical(std::size_t field, std::optional<bool> value) {
    Expect(field, IsLogical, "a logical value");
    *At(field) = !value ? ' ' : (*value ? 'T' : 'F');
}

void Record::Clear(std::size_t field) {
    if (field >= layout_->FieldCount()) {
        Expect(field, IsText, "");
    }
    std::memset(At(field), ' ', layout_->Field(field).length);
}

std::string Record::Text(std::size_t field) const {
    Expect(field, IsText, "text");
    return codec::Windows1252ToUtf8(TrimTrailing(Raw(field)));
}

std::optional<double> Record::Number(std::size_t field) const {
    Expect(field, IsNumber, "a number");
    const ParsedNumber parsed = ParseNumber(Raw(field));
    switch (parsed.status) {
    case NumberParse::Empty:
        return std::nullopt;
    case NumberParse::Value:
        return parsed.value;
    case NumberParse::Invalid:
        break;
    }
    Unreadable(field, "a number");
}

std::optional<std::int64_t> Record::Integer(std::size_t field) const {
    const auto value = Number(field);
    if (!value) {
        return std::nullopt;
    }
    if (*value != std::trunc(*value) || std::fabs(*value) > kLargestExactInteger) {
        Unreadable(field, "a whole number");
    }
    return static_cast<std::int64_t>(*value);
}

std::optional<Date> Record::DateValue(std::size_t field) const {
    Expect(field, IsDate, "a date");
    const std::string_view raw = Raw(field);
    if (raw.find_first_not_of(std::string_view(" \0", 2)) == std::string_view::npos ||
        raw == "00000000") {
        return std::nullopt;
    }
    if (const auto date = DateFromText(raw)) {
        return date;
    }
    Unreadable(field, "a date");
}

std::optional<bool> Record::Logical(std::size_t field) const {
    Expect(field, IsLogical, "a logical value");
    switch (Raw(field)[0]) {
    case 'T':
    case 't':
    case 'Y':
    case 'y':
        return true;
    case 'F':
    case 'f':
    case 'N':
    case 'n':
        return false;
    case ' ':
    case '?':
    case '\0':
        return std::nullopt;
    default:
        Unreadable(field, "a logical value");
    }
}

bool Record::IsEmpty(std::size_t field) const {
    Expect(
        field, [](FieldType) { return true; }, "");
    switch (layout_->Field(field).type) {
    case FieldType::Character:
        return TrimTrailing(Raw(field)).empty();
    case FieldType::Numeric:
    case FieldType::Float:
        return ParseNumber(Raw(field)).status == NumberParse::Empty;
    case FieldType::Date:
        return !DateValue(field).has_value();
    case FieldType::Logical:
        return !Logical(field).has_value();
    }
    return false;
}

} // namespace quarvex::dbase
