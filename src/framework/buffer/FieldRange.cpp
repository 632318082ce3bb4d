#include "framework/buffer/FieldRange.h"

#include "framework/buffer/FieldValueType.h"
#include "framework/masks/MaskErrors.h"
#include "framework/masks/NumberConventions.h"
#include "framework/masks/NumericPicture.h"

#include <algorithm>
#include <cmath>

namespace quarvex::framework {

namespace {

// Only numbers have a range; dates and texts are held by their masks' own rules.
std::optional<masks::ValueType> NumericTypeOf(FieldType type) {
    const auto entry = EntryValueTypeOf(type);
    if (!entry || *entry == masks::ValueType::Date || *entry == masks::ValueType::Text) {
        return std::nullopt;
    }
    return entry;
}

// The largest value of `digits` whole and `decimals` decimal positions: 999.99 for 3 and 2.
double LargestOf(int digits, int decimals) {
    return std::pow(10.0, digits) - std::pow(10.0, -decimals);
}

} // namespace

std::optional<std::string> OutsideFieldRange(const FieldSpec& field, const FieldValue& value) {
    const auto type = NumericTypeOf(field.type);
    if (!type || field.designMask.empty()) {
        return std::nullopt;
    }
    std::optional<masks::NumericPicture> picture;
    try {
        picture.emplace(field.designMask);
        picture->CheckSuits(*type);
    } catch (const masks::EBadPicture&) {
        return std::nullopt; // not a number picture: the type's own range is all there is
    }
    const masks::NumberRange typeRange = masks::RangeOf(*type);
    const double highest =
        std::min(LargestOf(picture->WholeDigits(), picture->Decimals()), typeRange.highest);
    const double lowest =
        picture->AllowsSign() && typeRange.lowest < 0 ? std::max(-highest, typeRange.lowest) : 0.0;
    // What the field shows is rounded to its decimals: a single's 99.9999 (99.99990081...)
    // is the 99.9999 it shows, 999,999,999.995 would show a digit more than the mask has.
    const double half = 0.5 * std::pow(10.0, -picture->Decimals());
    const double number = AsDouble(value);
    if (number > lowest - half && number < highest + half) {
        return std::nullopt;
    }
    return picture->RangeMessage(*type, masks::NumberConventions{});
}

} // namespace quarvex::framework
