#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Little-endian building and reading of the engine's own small files (journal, index cache).
namespace quarvex::dbase {

class ByteSink {
public:
    void U16(std::uint16_t value) { Put(value, 2); }
    void U32(std::uint32_t value) { Put(value, 4); }
    void U64(std::uint64_t value) { Put(value, 8); }
    void Text(std::string_view text) {
        U16(static_cast<std::uint16_t>(text.size()));
        bytes_.insert(bytes_.end(), text.begin(), text.end());
    }
    void Raw(std::span<const std::uint8_t> bytes) {
        bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    }
    void Raw(std::string_view bytes) { bytes_.insert(bytes_.end(), bytes.begin(), bytes.end()); }
    std::vector<std::uint8_t>& Bytes() { return bytes_; }

private:
    void Put(std::uint64_t value, int size) {
        for (int at = 0; at < size; ++at) {
            bytes_.push_back(static_cast<std::uint8_t>(value >> (8 * at)));
        }
    }
    std::vector<std::uint8_t> bytes_;
};

// Reads from a span; every read checks the bytes left and reports a short file as nullopt
// (or false), which the callers treat as "not a complete file of ours".
class ByteSource {
public:
    explicit ByteSource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::optional<std::uint16_t> U16() { return Get<std::uint16_t>(2); }
    std::optional<std::uint32_t> U32() { return Get<std::uint32_t>(4); }
    std::optional<std::uint64_t> U64() { return Get<std::uint64_t>(8); }
    std::optional<std::string> Text() {
        const auto size = U16();
        const auto bytes = size ? Take(*size) : std::nullopt;
        if (!bytes) {
            return std::nullopt;
        }
        return std::string(bytes->begin(), bytes->end());
    }
    std::optional<std::span<const std::uint8_t>> Take(std::size_t count) {
        if (count > bytes_.size() - at_) {
            return std::nullopt;
        }
        const auto result = bytes_.subspan(at_, count);
        at_ += count;
        return result;
    }
    std::size_t Position() const { return at_; }
    std::size_t Remaining() const { return bytes_.size() - at_; }

private:
    template <typename T> std::optional<T> Get(std::size_t size) {
        const auto bytes = Take(size);
        if (!bytes) {
            return std::nullopt;
        }
        std::uint64_t value = 0;
        for (std::size_t at = 0; at < size; ++at) {
            value |= static_cast<std::uint64_t>((*bytes)[at]) << (8 * at);
        }
        return static_cast<T>(value);
    }
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

// A 64-bit checksum of the engine's own files, eight bytes at a time: it tells a file that was
// cut short or overwritten in part from a whole one.
std::uint64_t Checksum(std::span<const std::uint8_t> bytes);

} // namespace quarvex::dbase
