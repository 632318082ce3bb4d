#pragma once

#include "framework/codec/ListChoice.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace quarvex::codec {

// Builds a record of a data file field by field, little-endian, into a byte vector. Texts are
// given as UTF-8 and stored as Windows-1252. A field that cannot be written throws
// ENotStorable and leaves the bytes written so far as they were before the call.
class RecordWriter {
public:
    RecordWriter() = default;
    // Continues after the bytes already in `bytes`.
    explicit RecordWriter(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

    void WriteByte(std::uint8_t value);
    void WriteBoolean(bool value); // 1 for true, 0 for false
    void WriteInt16(std::int16_t value);
    void WriteUInt16(std::uint16_t value);
    void WriteInt32(std::int32_t value);
    void WriteUInt32(std::uint32_t value);
    // IEEE single and double; NaN and infinities are refused.
    void WriteSingle(float value);
    void WriteDouble(double value);
    // The 80-bit extended real (Extended80.h); NaN and infinities are refused.
    void WriteExtended(long double value);

    // A short string of `capacity` characters (1 to 255): a length byte, the characters,
    // zeros up to the capacity; capacity + 1 bytes in all. Refused: text longer than the
    // capacity, a character without a Windows-1252 form, text that is not UTF-8.
    void WriteShortString(std::string_view text, std::size_t capacity);

    // A list choice of 264 bytes (ListChoice.h).
    void WriteListChoice(const ListChoice& choice);

    void WriteBytes(std::span<const std::uint8_t> bytes);
    void WriteZeros(std::size_t count);

    std::size_t Size() const { return bytes_.size(); }
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
    std::vector<std::uint8_t> Take() { return std::move(bytes_); }

private:
    void WriteLittleEndian(std::uint64_t value, int size);

    std::vector<std::uint8_t> bytes_;
};

} // namespace quarvex::codec
