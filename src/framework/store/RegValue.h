#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace quarvex::framework {

// The four kinds of stored value. The order matches RegValue's alternatives.
enum class RegValueKind { Integer, Boolean, Real, Text };

// One stored value: a 32-bit signed integer, a boolean, an 8-byte real or a text.
using RegValue = std::variant<std::int32_t, bool, double, std::string>;

inline RegValueKind KindOf(const RegValue& value) {
    return static_cast<RegValueKind>(value.index());
}

} // namespace quarvex::framework
