#include "platform/dbase/Query.h"

#include "framework/codec/Windows1252.h"
#include "platform/dbase/DbaseErrors.h"
#include "platform/dbase/KeyText.h"
#include "platform/dbase/Record.h"

namespace quarvex::dbase {

namespace {

template <typename T> bool Compare(const T& stored, Comparison comparison, const T& wanted) {
    switch (comparison) {
    case Comparison::Equal:
        return stored == wanted;
    case Comparison::NotEqual:
        return stored != wanted;
    case Comparison::Less:
        return stored < wanted;
    case Comparison::LessOrEqual:
        return stored <= wanted;
    case Comparison::Greater:
        return stored > wanted;
    case Comparison::GreaterOrEqual:
        return stored >= wanted;
    case Comparison::StartsWith:
        return false;
    }
    return false;
}

bool ValueFits(FieldType type, const Value& value) {
    switch (type) {
    case FieldType::Character:
        return std::holds_alternative<std::string>(value);
    case FieldType::Numeric:
    case FieldType::Float:
        return std::holds_alternative<double>(value);
    case FieldType::Date:
        return std::holds_alternative<Date>(value);
    case FieldType::Logical:
        return std::holds_alternative<bool>(value);
    }
    return false;
}

} // namespace

BoundQuery::BoundQuery(const Query& query, std::shared_ptr<const Layout> layout)
    : layout_(std::move(layout)) {
    for (const Condition& condition : query.Conditions()) {
        Test test;
        test.field = layout_->IndexOf(condition.field);
        test.comparison = condition.comparison;
        const FieldSpec& spec = layout_->Field(test.field);
        const std::string where =
            " for the field " + spec.name + " of \"" + layout_->TableName() + "\".";
        if (std::holds_alternative<std::monostate>(condition.value)) {
            if (condition.comparison != Comparison::Equal &&
                condition.comparison != Comparison::NotEqual) {
                throw EInvalidRequest("Only = and <> can test for an empty value" + where);
            }
        } else if (!ValueFits(spec.type, condition.value)) {
            throw EInvalidRequest("The value to compare is not of the field's kind" + where);
        }
        if (condition.comparison == Comparison::StartsWith && spec.type != FieldType::Character) {
            throw EInvalidRequest("Only texts can be tested for their beginning" + where);
        }
        if (spec.type == FieldType::Logical && condition.comparison != Comparison::Equal &&
            condition.comparison != Comparison::NotEqual) {
            throw EInvalidRequest("Logical values can only be equal or not" + where);
        }
        test.value = condition.value;
        if (const auto* text = std::get_if<std::string>(&condition.value)) {
            std::string bytes(TrimTrailing(codec::Utf8ToWindows1252(*text)));
            test.upper = condition.letters == LetterCase::IgnoreCase;
            if (test.upper) {
                MakeUpper(bytes);
            }
            test.value = std::move(bytes);
        }
        tests_.push_back(std::move(test));
    }
}

bool BoundQuery::Matches(std::span<const std::uint8_t> image, std::uint32_t record) const {
    for (const Test& test : tests_) {
        if (!Holds(test, image, record)) {
            return false;
        }
    }
    return true;
}

bool BoundQuery::Holds(const Test& test, std::span<const std::uint8_t> image,
                       std::uint32_t record) const {
    const Record view(layout_, record, image);
    if (std::holds_alternative<std::monostate>(test.value)) {
        const bool empty = view.IsEmpty(test.field);
        return test.comparison == Comparison::Equal ? empty : !empty;
    }
    switch (layout_->Field(test.field).type) {
    case FieldType::Character: {
        std::string stored(TrimTrailing(view.Raw(test.field)));
        if (test.upper) {
            MakeUpper(stored);
        }
        const auto& wanted = std::get<std::string>(test.value);
        if (test.comparison == Comparison::StartsWith) {
            return std::string_view(stored).starts_with(wanted);
        }
        return Compare(std::string_view(stored), test.comparison, std::string_view(wanted));
    }
    case FieldType::Numeric:
    case FieldType::Float: {
        const auto stored = view.Number(test.field);
        return stored && Compare(*stored, test.comparison, std::get<double>(test.value));
    }
    case FieldType::Date: {
        const auto stored = view.DateValue(test.field);
        return stored && Compare(*stored, test.comparison, std::get<Date>(test.value));
    }
    case FieldType::Logical: {
        const auto stored = view.Logical(test.field);
        return stored && Compare(*stored, test.comparison, std::get<bool>(test.value));
    }
    }
    return false;
}

} // namespace quarvex::dbase
