#include "framework/codec/RecordWriter.h"

#include "framework/codec/CodecErrors.h"
#include "framework/codec/Extended80.h"
#include "framework/codec/Windows1252.h"

#include <bit>
#include <cmath>
#include <stdexcept>
#include <string>

namespace quarvex::codec {

void RecordWriter::WriteLittleEndian(std::uint64_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

void RecordWriter::WriteByte(std::uint8_t value) {
    bytes_.push_back(value);
}

void RecordWriter::WriteBoolean(bool value) {
    bytes_.push_back(value ? 1 : 0);
}

void RecordWriter::WriteInt16(std::int16_t value) {
    WriteLittleEndian(static_cast<std::uint16_t>(value), 2);
}

void RecordWriter::WriteUInt16(std::uint16_t value) {
    WriteLittleEndian(value, 2);
}

void RecordWriter::WriteInt32(std::int32_t value) {
    WriteLittleEndian(static_cast<std::uint32_t>(value), 4);
}

void RecordWriter::WriteUInt32(std::uint32_t value) {
    WriteLittleEndian(value, 4);
}

void RecordWriter::WriteSingle(float value) {
    if (!std::isfinite(value)) {
        throw ENotStorable("A number to be saved is not finite.");
    }
    WriteLittleEndian(std::bit_cast<std::uint32_t>(value), 4);
}

void RecordWriter::WriteDouble(double value) {
    if (!std::isfinite(value)) {
        throw ENotStorable("A number to be saved is not finite.");
    }
    WriteLittleEndian(std::bit_cast<std::uint64_t>(value), 8);
}

void RecordWriter::WriteExtended(long double value) {
    const ExtendedBytes bytes = EncodeExtended(value);
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
}

namespace {

// The Windows-1252 bytes of a text for a short string of `capacity` characters.
std::string ShortStringText(std::string_view text, std::size_t capacity) {
    if (capacity < 1 || capacity > 255) {
        throw std::invalid_argument("A short string holds 1 to 255 characters.");
    }
    std::string stored = Utf8ToWindows1252(text);
    if (stored.size() > capacity) {
        throw ENotStorable("The text \"" + std::string(text) + "\" is longer than the " +
                           std::to_string(capacity) + " characters that can be saved.");
    }
    return stored;
}

} // namespace

void RecordWriter::WriteShortString(std::string_view text, std::size_t capacity) {
    const std::string stored = ShortStringText(text, capacity);
    bytes_.push_back(static_cast<std::uint8_t>(stored.size()));
    bytes_.insert(bytes_.end(), stored.begin(), stored.end());
    bytes_.insert(bytes_.end(), capacity - stored.size(), 0);
}

void RecordWriter::WriteListChoice(const ListChoice& choice) {
    ShortStringText(choice.text, kListChoiceTextCapacity); // a refused choice writes nothing
    WriteInt32(choice.index);
    WriteShortString(choice.text, kListChoiceTextCapacity);
    WriteZeros(4);
}

void RecordWriter::WriteBytes(std::span<const std::uint8_t> bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
}

void RecordWriter::WriteZeros(std::size_t count) {
    bytes_.insert(bytes_.end(), count, 0);
}

} // namespace quarvex::codec
