#include "framework/codec/FileHeader.h"

#include "framework/codec/CodecErrors.h"

#include <gtest/gtest.h>

#include <vector>

namespace quarvex::codec {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes HeaderBytes(const FileHeader& header) {
    RecordWriter writer;
    WriteFileHeader(writer, header);
    return writer.Take();
}

TEST(FileHeader, TakesNineteenBytes) {
    const Bytes bytes = HeaderBytes({"brk", 1, 0});
    const Bytes expected = {3, 'b', 'r', 'k', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0};
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(HeaderBytes({"Net Worth", 1, 0}).size(), kFileHeaderSize);
    EXPECT_EQ(HeaderBytes({"sixteen letters!", 2, 7}).size(), kFileHeaderSize);
    EXPECT_THROW(HeaderBytes({"seventeen letters", 1, 0}), ENotStorable);
}

TEST(FileHeader, AcceptsTheSameKindAndVersion) {
    const Bytes bytes = HeaderBytes({"LB", 1, 1});
    RecordReader reader(bytes);
    EXPECT_NO_THROW(ExpectFileHeader(reader, {"LB", 1, 1}));
    EXPECT_EQ(reader.Position(), kFileHeaderSize);
}

TEST(FileHeader, IgnoresTheBytesPastTheSignature) {
    Bytes bytes = HeaderBytes({"rnt", 1, 0});
    for (std::size_t i = 4; i < 17; ++i) {
        bytes[i] = static_cast<std::uint8_t>(0xA0 + i);
    }
    RecordReader reader(bytes);
    EXPECT_NO_THROW(ExpectFileHeader(reader, {"rnt", 1, 0}));
}

TEST(FileHeader, ReportsAVersionMismatchForAnyDifference) {
    const FileHeader expected{"brk", 1, 0};
    const struct {
        Bytes bytes;
        const char* what;
    } cases[] = {
        {HeaderBytes({"ref", 1, 0}), "another signature"},
        {HeaderBytes({"BRK", 1, 0}), "the signature in other letters"},
        {HeaderBytes({"brk ", 1, 0}), "a longer signature"},
        {HeaderBytes({"br", 1, 0}), "a shorter signature"},
        {HeaderBytes({"brk", 2, 0}), "another major version"},
        {HeaderBytes({"brk", 1, 1}), "another minor version"},
        {{17, 'b', 'r', 'k', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0},
         "a signature length past its field"},
        {{255, 'b', 'r', 'k', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0},
         "a signature length of 255"},
    };
    for (const auto& c : cases) {
        RecordReader reader(c.bytes);
        try {
            ExpectFileHeader(reader, expected);
            ADD_FAILURE() << "no mismatch for " << c.what;
        } catch (const EVersionMismatch& error) {
            EXPECT_EQ(error.Message(), "Version Mismatch") << c.what;
        }
    }
}

TEST(FileHeader, ReportsAFileTooShortForItsHeaderAsDamaged) {
    const Bytes full = HeaderBytes({"brk", 1, 0});
    for (std::size_t length = 0; length < full.size(); ++length) {
        const Bytes cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(length));
        RecordReader checked(cut);
        EXPECT_THROW(ExpectFileHeader(checked, {"brk", 1, 0}), EDamagedFile) << length;
        RecordReader unchecked(cut);
        EXPECT_THROW(ReadFileHeader(unchecked), EDamagedFile) << length;
    }
}

TEST(FileHeader, ReadsAHeaderUnchecked) {
    const Bytes bytes = HeaderBytes({"Net Worth", 3, 4});
    RecordReader reader(bytes);
    EXPECT_EQ(ReadFileHeader(reader), (FileHeader{"Net Worth", 3, 4}));
    const Bytes broken = {200, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0};
    RecordReader brokenReader(broken);
    EXPECT_THROW(ReadFileHeader(brokenReader), EDamagedFile);
}

} // namespace
} // namespace quarvex::codec
