// Feeds arbitrary typed text to the entry fields' pictures. Parsing either gives a value that
// fits the field or a message; a value it gives formats and parses back to itself.
#include "framework/masks/EntryMask.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

using quarvex::masks::EntryMask;
using quarvex::masks::ValueType;

struct Field {
    std::string_view picture;
    ValueType type;
};

constexpr Field kFields[] = {
    {"$###,###,###.##", ValueType::Double}, {"##.####", ValueType::Single},
    {"ii,iii", ValueType::Int16},           {"iii,iii,iii", ValueType::Int32},
    {"mm/dd/yyyy", ValueType::Date},        {"mm/dd/yy", ValueType::Date},
    {"999-999-9999", ValueType::Text},      {"##.###########", ValueType::Extended},
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const Field& field = kFields[data[0] % std::size(kFields)];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    for (const std::uint16_t country : {1, 49}) {
        const EntryMask mask(field.picture, field.type,
                             quarvex::masks::ConventionsForCountry(country));
        mask.AcceptsPartial(text);
        const auto parsed = mask.Parse(text);
        if (!parsed.Ok()) {
            continue;
        }
        if (const auto* number = std::get_if<double>(&*parsed.value);
            number && !std::isfinite(*number)) {
            __builtin_trap();
        }
        const auto again = mask.Parse(mask.Format(*parsed.value));
        if (!again.Ok()) {
            __builtin_trap();
        }
    }
    return 0;
}
