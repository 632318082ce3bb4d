#pragma once

#include "platform/dbase/Date.h"
#include "platform/dbase/Layout.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace quarvex::dbase {

// A value a condition compares with: none (an empty field), a text (UTF-8), a number, a date
// or a logical value; its kind must be that of the field.
using Value = std::variant<std::monostate, std::string, double, Date, bool>;

enum class Comparison {
    Equal,
    NotEqual,
    Less,
    LessOrEqual,
    Greater,
    GreaterOrEqual,
    StartsWith, // text fields only: the field's text begins with the value
};

enum class LetterCase {
    Exact,      // texts compare byte for byte
    IgnoreCase, // texts compare in capitals, as UPPER(...) does
};

// One test of a field: `field comparison value`.
// - Texts compare as keys do (KeyText.h): trailing blanks do not count, Equal is exact ("1"
//   does not equal "10"; StartsWith is the explicit prefix test), order is byte order.
// - A field that is empty (blank number, no date, unset logical) satisfies no comparison with
//   a value; with no value (std::monostate), Equal tests that the field is empty and NotEqual
//   that it is not. An empty text is the text "".
// - Logical fields take Equal and NotEqual only.
struct Condition {
    std::string field;
    Comparison comparison = Comparison::Equal;
    Value value;
    LetterCase letters = LetterCase::Exact;
};

// Conditions that must all hold.
class Query {
public:
    Query() = default;
    Query(std::string field, Comparison comparison, Value value,
          LetterCase letters = LetterCase::Exact) {
        And(std::move(field), comparison, std::move(value), letters);
    }
    Query& And(std::string field, Comparison comparison, Value value,
               LetterCase letters = LetterCase::Exact) {
        conditions_.push_back(Condition{std::move(field), comparison, std::move(value), letters});
        return *this;
    }
    const std::vector<Condition>& Conditions() const { return conditions_; }

private:
    std::vector<Condition> conditions_;
};

// A query checked against a table's fields, ready to test record images. Throws
// EInvalidRequest for an unknown field, a value of another kind than the field, or a
// comparison the field's kind does not have; codec::ENotStorable for a text that has no
// Windows-1252 form (no record could hold it).
class BoundQuery {
public:
    BoundQuery(const Query& query, std::shared_ptr<const Layout> layout);

    // Whether the record image satisfies every condition. A value the file holds in a form
    // its type does not allow raises EDamagedTable, naming `record`.
    bool Matches(std::span<const std::uint8_t> image, std::uint32_t record) const;

private:
    struct Test {
        std::size_t field = 0;
        Comparison comparison = Comparison::Equal;
        Value value; // texts held as Windows-1252, in capitals for IgnoreCase
        bool upper = false;
    };
    bool Holds(const Test& test, std::span<const std::uint8_t> image, std::uint32_t record) const;

    std::shared_ptr<const Layout> layout_;
    std::vector<Test> tests_;
};

} // namespace quarvex::dbase
