#include "framework/masks/EntryMask.h"

#include "framework/masks/TypedNumber.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace quarvex::masks {

namespace {

template <class T> Parsed<EntryValue> Widen(Parsed<T> parsed) {
    if (!parsed.Ok()) {
        return Parsed<EntryValue>::Failure(std::move(parsed.error));
    }
    return Parsed<EntryValue>::Success(EntryValue(std::move(*parsed.value)));
}

template <class T> const T& Expect(const EntryValue& value) {
    if (const T* held = std::get_if<T>(&value)) {
        return *held;
    }
    throw std::invalid_argument("The value does not suit the entry field's type.");
}

} // namespace

EntryMask::EntryMask(std::string_view picture, ValueType type, NumberConventions conventions,
                     int epoch)
    : picture_(picture), type_(type), conventions_(std::move(conventions)) {
    if (!AreUsable(conventions_)) {
        throw EBadPicture("The number conventions have an empty, doubled or digit separator.");
    }
    switch (type) {
    case ValueType::Date:
        engine_.emplace<DatePicture>(picture, epoch);
        break;
    case ValueType::YesNo:
        if (picture != kYesNoPicture) {
            throw EBadPicture("The picture \"" + picture_ + "\" is not the yes/no picture \"Y\".");
        }
        break;
    case ValueType::Text:
        engine_.emplace<TextPicture>(picture);
        break;
    default:
        engine_.emplace<NumericPicture>(picture).CheckSuits(type);
        break;
    }
}

std::string EntryMask::Format(const EntryValue& value) const {
    if (const auto* numeric = std::get_if<NumericPicture>(&engine_)) {
        return numeric->Format(Expect<double>(value), conventions_);
    }
    if (const auto* date = std::get_if<DatePicture>(&engine_)) {
        return date->Format(Expect<std::optional<DateParts>>(value));
    }
    if (const auto* text = std::get_if<TextPicture>(&engine_)) {
        return text->Format(Expect<std::string>(value));
    }
    return FormatYesNo(Expect<bool>(value));
}

Parsed<EntryValue> EntryMask::Parse(std::string_view text) const {
    if (const auto* numeric = std::get_if<NumericPicture>(&engine_)) {
        return Widen(numeric->Parse(text, type_, conventions_));
    }
    if (const auto* date = std::get_if<DatePicture>(&engine_)) {
        return Widen(date->Parse(text));
    }
    if (const auto* picture = std::get_if<TextPicture>(&engine_)) {
        return Widen(picture->Parse(text));
    }
    return Widen(ParseYesNo(text));
}

bool EntryMask::AcceptsPartial(std::string_view text) const {
    if (const auto* numeric = std::get_if<NumericPicture>(&engine_)) {
        return numeric->AcceptsPartial(text, type_, conventions_);
    }
    if (const auto* date = std::get_if<DatePicture>(&engine_)) {
        return date->AcceptsPartial(text);
    }
    if (const auto* picture = std::get_if<TextPicture>(&engine_)) {
        return picture->AcceptsPartial(text);
    }
    return AcceptsPartialYesNo(text);
}

std::string EntryMask::Refusal(std::string_view text) const {
    if (const auto* numeric = std::get_if<NumericPicture>(&engine_)) {
        return numeric->Refusal(text, type_, conventions_);
    }
    return Parse(text).error;
}

bool EntryMask::KeepsAsTyped(std::string_view text) const {
    if (AcceptsPartial(text)) {
        return true;
    }
    if (text.size() > picture_.size() + kTypingAllowance) {
        return false;
    }
    if (std::holds_alternative<NumericPicture>(engine_)) {
        return ReadTypedNumber(text, conventions_, true).has_value();
    }
    if (std::holds_alternative<DatePicture>(engine_)) {
        return std::all_of(text.begin(), text.end(), [](char c) {
            return (c >= '0' && c <= '9') ||
                   std::string_view("/-., ").find(c) != std::string_view::npos;
        });
    }
    return false;
}

bool AcceptsPartial(std::string_view text, std::string_view picture, ValueType type,
                    const NumberConventions& conventions) {
    return EntryMask(picture, type, conventions).AcceptsPartial(text);
}

} // namespace quarvex::masks
