#include "framework/codec/FileHeader.h"

#include "framework/codec/CodecErrors.h"
#include "framework/codec/Windows1252.h"

#include <algorithm>

namespace quarvex::codec {

void WriteFileHeader(RecordWriter& writer, const FileHeader& header) {
    writer.WriteShortString(header.signature, kSignatureCapacity);
    writer.WriteByte(header.major);
    writer.WriteByte(header.minor);
}

FileHeader ReadFileHeader(RecordReader& reader) {
    if (reader.Remaining() < kFileHeaderSize) {
        throw EDamagedFile();
    }
    FileHeader header;
    header.signature = reader.ReadShortString(kSignatureCapacity);
    header.major = reader.ReadByte();
    header.minor = reader.ReadByte();
    return header;
}

void ExpectFileHeader(RecordReader& reader, const FileHeader& expected) {
    const auto bytes = reader.ReadBytes(kFileHeaderSize);
    const std::string signature = Utf8ToWindows1252(expected.signature);
    const std::size_t length = bytes[0];
    const bool same =
        length <= kSignatureCapacity && length == signature.size() &&
        std::equal(signature.begin(), signature.end(), bytes.begin() + 1,
                   [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; }) &&
        bytes[kSignatureCapacity + 1] == expected.major &&
        bytes[kSignatureCapacity + 2] == expected.minor;
    if (!same) {
        throw EVersionMismatch();
    }
}

} // namespace quarvex::codec
