#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace quarvex::framework {

struct OutputMember;

// A result of a calculator beyond its fields (a schedule's rows, derived figures), in a form
// the command line writes as JSON: nothing, a truth value, a whole number, a real in the
// precision the calculator keeps it, a text, a list, or named members in order. Dates travel
// as "YYYY-MM-DD" texts.
struct OutputValue {
    using List = std::vector<OutputValue>;
    using Members = std::vector<OutputMember>;

    std::variant<std::monostate, bool, std::int64_t, double, long double, std::string, List,
                 Members>
        value;

    // Defined below, where OutputMember is complete: a variant that holds Members needs it.
    OutputValue();
    OutputValue(bool v);
    OutputValue(std::int64_t v);
    OutputValue(std::int32_t v);
    OutputValue(double v);
    OutputValue(float v);
    OutputValue(long double v);
    OutputValue(std::string v);
    OutputValue(const char* v);
    OutputValue(List v);
    OutputValue(Members v);
};

struct OutputMember {
    std::string name;
    OutputValue value;
};

using OutputMembers = std::vector<OutputMember>;

inline OutputValue::OutputValue() = default;
inline OutputValue::OutputValue(bool v) : value(v) {}
inline OutputValue::OutputValue(std::int64_t v) : value(v) {}
inline OutputValue::OutputValue(std::int32_t v) : value(static_cast<std::int64_t>(v)) {}
inline OutputValue::OutputValue(double v) : value(v) {}
inline OutputValue::OutputValue(float v) : value(static_cast<double>(v)) {}
inline OutputValue::OutputValue(long double v) : value(v) {}
inline OutputValue::OutputValue(std::string v) : value(std::move(v)) {}
inline OutputValue::OutputValue(const char* v) : value(std::string(v)) {}
inline OutputValue::OutputValue(List v) : value(std::move(v)) {}
inline OutputValue::OutputValue(Members v) : value(std::move(v)) {}

} // namespace quarvex::framework
