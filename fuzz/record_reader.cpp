// Feeds arbitrary bytes to the record reader. Every read must either succeed or throw one of
// our errors, never read past the end, and what it reads must be writable again: a short
// string read back is storable in the same capacity, numbers are finite.
#include "framework/codec/CodecErrors.h"
#include "framework/codec/FileHeader.h"
#include "framework/codec/RecordReader.h"
#include "framework/codec/RecordWriter.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>

namespace {

using quarvex::codec::RecordReader;
using quarvex::codec::RecordWriter;

void Check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

// Reads fields in an order the data itself chooses, one selector byte per field.
void ReadFields(RecordReader& reader) {
    RecordWriter writer;
    while (!reader.AtEnd()) {
        switch (reader.ReadByte() % 12) {
        case 0:
            reader.ReadBoolean();
            break;
        case 1:
            reader.ReadInt16();
            break;
        case 2:
            reader.ReadInt32();
            break;
        case 3:
            Check(std::isfinite(reader.ReadSingle()));
            break;
        case 4:
            Check(std::isfinite(reader.ReadDouble()));
            break;
        case 5:
            Check(std::isfinite(reader.ReadExtended()));
            break;
        case 6:
            Check(std::isfinite(reader.ReadExtendedAsDouble()));
            break;
        case 7: {
            const std::size_t capacity = 1 + reader.ReadByte() % 255;
            writer.WriteShortString(reader.ReadShortString(capacity), capacity);
            break;
        }
        case 8:
            writer.WriteListChoice(reader.ReadListChoice());
            break;
        case 9:
            reader.ReadBytes(reader.ReadByte());
            break;
        case 10:
            quarvex::codec::ReadFileHeader(reader);
            break;
        default:
            quarvex::codec::ExpectFileHeader(reader, {"brk", 1, 0});
            break;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    RecordReader reader(std::span<const std::uint8_t>(data, size));
    try {
        ReadFields(reader);
    } catch (const quarvex::codec::EDamagedFile&) {
    } catch (const quarvex::codec::EVersionMismatch&) {
    }
    Check(reader.Position() <= size);
    return 0;
}
