// Feeds arbitrary text to the settings file parser. It must either accept the text or report
// where it is damaged, never crash; what it accepts must format and parse back to the same keys.
#include "framework/store/RegTextFormat.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto parsed = quarvex::framework::ParseRegText(text);
    if (const auto* tree = std::get_if<quarvex::framework::RegKeyTree>(&parsed)) {
        const std::string again = quarvex::framework::FormatRegText(*tree);
        const auto reparsed = quarvex::framework::ParseRegText(again);
        const auto* second = std::get_if<quarvex::framework::RegKeyTree>(&reparsed);
        if (second == nullptr || quarvex::framework::FormatRegText(*second) != again) {
            __builtin_trap();
        }
    }
    return 0;
}
