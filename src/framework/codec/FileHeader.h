#pragma once

#include "framework/codec/RecordReader.h"
#include "framework/codec/RecordWriter.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace quarvex::codec {

// The header every calculator data file begins with, 19 bytes: a short string of up to 16
// characters naming the kind of file ("brk", "Net Worth"), then a major and a minor version
// byte.
struct FileHeader {
    std::string signature;
    std::uint8_t major = 1;
    std::uint8_t minor = 0;

    friend bool operator==(const FileHeader&, const FileHeader&) = default;
};

inline constexpr std::size_t kSignatureCapacity = 16;
inline constexpr std::size_t kFileHeaderSize = kSignatureCapacity + 1 + 2;

// Throws ENotStorable for a signature that does not fit.
void WriteFileHeader(RecordWriter& writer, const FileHeader& header);

// The header as it stands, unchecked (for the one kind of file that is read whatever its
// header says). Throws EDamagedFile for fewer than 19 bytes or a signature longer than 16.
FileHeader ReadFileHeader(RecordReader& reader);

// Reads the header and compares signature, major and minor version with `expected`, exactly;
// throws EVersionMismatch ("Version Mismatch") on any difference, a stored signature length
// above 16 included, and EDamagedFile for fewer than 19 bytes.
void ExpectFileHeader(RecordReader& reader, const FileHeader& expected);

} // namespace quarvex::codec
