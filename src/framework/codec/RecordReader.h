#pragma once

#include "framework/codec/ListChoice.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace quarvex::codec {

// Reads a record of a data file field by field, little-endian, from a byte span it does not
// own. Every read checks the bytes left first: a record that ends early throws EDamagedFile
// and nothing is read past the end. Loaders read into temporaries and take the values over
// only when the whole record has been read.
class RecordReader {
public:
    explicit RecordReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::uint8_t ReadByte();
    bool ReadBoolean(); // any byte but 0 is true
    std::int16_t ReadInt16();
    std::uint16_t ReadUInt16();
    std::int32_t ReadInt32();
    std::uint32_t ReadUInt32();
    // IEEE single and double; a NaN or infinity throws EDamagedFile.
    float ReadSingle();
    double ReadDouble();
    // The 80-bit extended real (Extended80.h). As double: a value beyond a double's range
    // throws EDamagedFile.
    long double ReadExtended();
    double ReadExtendedAsDouble();

    // A short string of `capacity` characters (1 to 255), capacity + 1 bytes, as UTF-8. The
    // bytes after the stored length are not significant. A stored length above the capacity
    // throws EDamagedFile.
    std::string ReadShortString(std::size_t capacity);

    // A list choice of 264 bytes; its last four bytes are ignored.
    ListChoice ReadListChoice();

    std::span<const std::uint8_t> ReadBytes(std::size_t count);
    void Skip(std::size_t count);

    std::size_t Position() const { return position_; }
    std::size_t Remaining() const { return bytes_.size() - position_; }
    bool AtEnd() const { return Remaining() == 0; }

private:
    std::uint64_t ReadLittleEndian(int size);

    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

} // namespace quarvex::codec
