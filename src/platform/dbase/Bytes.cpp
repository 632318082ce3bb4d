#include "platform/dbase/Bytes.h"

#include <cstring>

namespace quarvex::dbase {

std::uint64_t Checksum(std::span<const std::uint8_t> bytes) {
    constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
    std::uint64_t hash = 0xCBF29CE484222325ull ^ bytes.size();
    std::size_t at = 0;
    for (; at + 8 <= bytes.size(); at += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes.data() + at, 8);
        hash = (hash ^ word) * kMultiplier;
        hash ^= hash >> 29;
    }
    for (; at < bytes.size(); ++at) {
        hash = (hash ^ bytes[at]) * kMultiplier;
        hash ^= hash >> 29;
    }
    return hash;
}

} // namespace quarvex::dbase
