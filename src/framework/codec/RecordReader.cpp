#include "framework/codec/RecordReader.h"

#include "framework/codec/CodecErrors.h"
#include "framework/codec/Extended80.h"
#include "framework/codec/Windows1252.h"

#include <bit>
#include <cfloat>
#include <cmath>
#include <stdexcept>
#include <string_view>

namespace quarvex::codec {

std::span<const std::uint8_t> RecordReader::ReadBytes(std::size_t count) {
    if (count > Remaining()) {
        throw EDamagedFile();
    }
    const auto bytes = bytes_.subspan(position_, count);
    position_ += count;
    return bytes;
}

void RecordReader::Skip(std::size_t count) {
    ReadBytes(count);
}

std::uint64_t RecordReader::ReadLittleEndian(int size) {
    const auto bytes = ReadBytes(static_cast<std::size_t>(size));
    std::uint64_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = (value << 8) | bytes[i];
    }
    return value;
}

std::uint8_t RecordReader::ReadByte() {
    return static_cast<std::uint8_t>(ReadLittleEndian(1));
}

bool RecordReader::ReadBoolean() {
    return ReadByte() != 0;
}

std::int16_t RecordReader::ReadInt16() {
    return static_cast<std::int16_t>(ReadLittleEndian(2));
}

std::uint16_t RecordReader::ReadUInt16() {
    return static_cast<std::uint16_t>(ReadLittleEndian(2));
}

std::int32_t RecordReader::ReadInt32() {
    return static_cast<std::int32_t>(ReadLittleEndian(4));
}

std::uint32_t RecordReader::ReadUInt32() {
    return static_cast<std::uint32_t>(ReadLittleEndian(4));
}

float RecordReader::ReadSingle() {
    const auto value = std::bit_cast<float>(static_cast<std::uint32_t>(ReadLittleEndian(4)));
    if (!std::isfinite(value)) {
        throw EDamagedFile();
    }
    return value;
}

double RecordReader::ReadDouble() {
    const auto value = std::bit_cast<double>(ReadLittleEndian(8));
    if (!std::isfinite(value)) {
        throw EDamagedFile();
    }
    return value;
}

long double RecordReader::ReadExtended() {
    return DecodeExtended(ReadBytes(10).first<10>());
}

double RecordReader::ReadExtendedAsDouble() {
    const long double value = ReadExtended();
    if (std::fabs(value) > DBL_MAX) {
        throw EDamagedFile();
    }
    return static_cast<double>(value);
}

std::string RecordReader::ReadShortString(std::size_t capacity) {
    if (capacity < 1 || capacity > 255) {
        throw std::invalid_argument("A short string holds 1 to 255 characters.");
    }
    const auto field = ReadBytes(capacity + 1);
    const std::size_t length = field[0];
    if (length > capacity) {
        throw EDamagedFile();
    }
    const auto text = field.subspan(1, length);
    return Windows1252ToUtf8(
        std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
}

ListChoice RecordReader::ReadListChoice() {
    ListChoice choice;
    choice.index = ReadInt32();
    choice.text = ReadShortString(kListChoiceTextCapacity);
    Skip(4);
    return choice;
}

} // namespace quarvex::codec
