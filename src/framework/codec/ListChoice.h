#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace quarvex::codec {

// A drop-down list choice as the data files keep it, 264 bytes: the 0-based position in its
// list (32-bit), the item's text as a short string of up to 255 characters (256 bytes), and
// four bytes that once held a reference to the list: written as zero, ignored on reading.
struct ListChoice {
    std::int32_t index = 0;
    std::string text; // UTF-8

    friend bool operator==(const ListChoice&, const ListChoice&) = default;
};

inline constexpr std::size_t kListChoiceSize = 264;
inline constexpr std::size_t kListChoiceTextCapacity = 255;

} // namespace quarvex::codec
