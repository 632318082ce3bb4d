#include "platform/dbase/TagExpression.h"

#include "framework/codec/Windows1252.h"
#include "platform/dbase/DbaseErrors.h"
#include "platform/dbase/KeyText.h"

#include <algorithm>

namespace quarvex::dbase {

namespace {

std::string Squeeze(std::string_view text) {
    std::string result;
    for (const char c : text) {
        if (c != ' ' && c != '\t') {
            result += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        }
    }
    return result;
}

} // namespace

TagExpression::TagExpression(std::string_view expression, const Layout& layout) {
    std::string field = Squeeze(expression);
    const std::string_view upperCall = "UPPER(";
    if (field.starts_with(upperCall) && field.ends_with(")")) {
        upper_ = true;
        field = field.substr(upperCall.size(), field.size() - upperCall.size() - 1);
    }
    const auto index = layout.Find(field);
    if (field.empty() || field.find_first_of("()") != std::string::npos || !index) {
        throw EInvalidRequest("The index expression \"" + std::string(expression) + "\" of \"" +
                              layout.TableName() +
                              "\" must name a field of the table, or UPPER of one.");
    }
    const FieldSpec& spec = layout.Field(*index);
    if (spec.type != FieldType::Character && spec.type != FieldType::Date) {
        throw EInvalidRequest("The index expression \"" + std::string(expression) + "\" of \"" +
                              layout.TableName() + "\" must use a text or date field.");
    }
    field_ = *index;
    offset_ = layout.Offset(*index);
    width_ = spec.length;
    canonical_ = upper_ ? "UPPER(" + spec.name + ")" : spec.name;
}

std::string TagExpression::KeyOf(std::span<const std::uint8_t> record) const {
    std::string_view stored(reinterpret_cast<const char*>(record.data()) + offset_, width_);
    // A NUL ends the text: our own texts never hold one, other writers pad with them.
    stored = stored.substr(0, std::min(stored.find('\0'), stored.size()));
    std::string key(TrimTrailing(stored));
    if (upper_) {
        MakeUpper(key);
    }
    return key;
}

std::string TagExpression::KeyOfText(std::string_view text) const {
    std::string key(TrimTrailing(codec::Utf8ToWindows1252(text)));
    if (upper_) {
        MakeUpper(key);
    }
    return key;
}

} // namespace quarvex::dbase
