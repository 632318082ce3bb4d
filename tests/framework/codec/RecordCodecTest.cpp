#include "framework/codec/CodecErrors.h"
#include "framework/codec/RecordReader.h"
#include "framework/codec/RecordWriter.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cstdint>
#include <limits>
#include <vector>

namespace quarvex::codec {
namespace {

using Bytes = std::vector<std::uint8_t>;

// One record holding every kind of field, and the values it holds.
struct Sample {
    std::uint8_t byte = 0xFE;
    bool yes = true;
    std::int16_t int16 = -12345;
    std::uint16_t uint16 = 65535;
    std::int32_t int32 = std::numeric_limits<std::int32_t>::min();
    std::uint32_t uint32 = 0xDEADBEEF;
    float single = 7.125f;
    double money = -1234.56;
    long double extended = 98.76543210987L;
    std::string name = "Crème brûlée €5";
    ListChoice choice{5, "Monthly"};
    Bytes block{1, 2, 3};
};

Bytes WriteSample(const Sample& s) {
    RecordWriter writer;
    writer.WriteByte(s.byte);
    writer.WriteBoolean(s.yes);
    writer.WriteInt16(s.int16);
    writer.WriteUInt16(s.uint16);
    writer.WriteInt32(s.int32);
    writer.WriteUInt32(s.uint32);
    writer.WriteSingle(s.single);
    writer.WriteDouble(s.money);
    writer.WriteExtended(s.extended);
    writer.WriteShortString(s.name, 40);
    writer.WriteListChoice(s.choice);
    writer.WriteBytes(s.block);
    writer.WriteZeros(2);
    return writer.Take();
}

Sample ReadSample(std::span<const std::uint8_t> bytes) {
    RecordReader reader(bytes);
    Sample s;
    s.byte = reader.ReadByte();
    s.yes = reader.ReadBoolean();
    s.int16 = reader.ReadInt16();
    s.uint16 = reader.ReadUInt16();
    s.int32 = reader.ReadInt32();
    s.uint32 = reader.ReadUInt32();
    s.single = reader.ReadSingle();
    s.money = reader.ReadDouble();
    s.extended = reader.ReadExtended();
    s.name = reader.ReadShortString(40);
    s.choice = reader.ReadListChoice();
    const auto block = reader.ReadBytes(3);
    s.block.assign(block.begin(), block.end());
    reader.Skip(2);
    EXPECT_TRUE(reader.AtEnd());
    return s;
}

constexpr std::size_t kSampleSize = 1 + 1 + 2 + 2 + 4 + 4 + 4 + 8 + 10 + 41 + 264 + 3 + 2;

TEST(RecordCodec, ReadsBackEveryKindOfField) {
    const Sample written;
    const Bytes bytes = WriteSample(written);
    ASSERT_EQ(bytes.size(), kSampleSize);
    const Sample read = ReadSample(bytes);
    EXPECT_EQ(read.byte, written.byte);
    EXPECT_EQ(read.yes, written.yes);
    EXPECT_EQ(read.int16, written.int16);
    EXPECT_EQ(read.uint16, written.uint16);
    EXPECT_EQ(read.int32, written.int32);
    EXPECT_EQ(read.uint32, written.uint32);
    EXPECT_EQ(read.single, written.single);
    EXPECT_EQ(read.money, written.money);
    EXPECT_EQ(read.extended, written.extended);
    EXPECT_EQ(read.name, written.name);
    EXPECT_EQ(read.choice, written.choice);
    EXPECT_EQ(read.block, written.block);
}

TEST(RecordCodec, WritesLittleEndianFields) {
    RecordWriter writer;
    writer.WriteInt16(-2);
    writer.WriteUInt16(0x1234);
    writer.WriteInt32(0x01020304);
    writer.WriteSingle(1.0f);
    writer.WriteDouble(1.0);
    writer.WriteBoolean(false);
    writer.WriteBoolean(true);
    const Bytes expected = {0xFE, 0xFF, 0x34, 0x12, 0x04, 0x03, 0x02, 0x01, 0x00, 0x00, 0x80,
                            0x3F, 0,    0,    0,    0,    0,    0,    0xF0, 0x3F, 0x00, 0x01};
    EXPECT_EQ(writer.Bytes(), expected);
}

TEST(RecordCodec, ReadsAnyNonZeroByteAsYes) {
    const Bytes bytes = {0, 1, 2, 255};
    RecordReader reader(bytes);
    EXPECT_FALSE(reader.ReadBoolean());
    EXPECT_TRUE(reader.ReadBoolean());
    EXPECT_TRUE(reader.ReadBoolean());
    EXPECT_TRUE(reader.ReadBoolean());
}

TEST(RecordCodec, StoresShortStringsAsWindows1252PaddedWithZeros) {
    RecordWriter writer;
    writer.WriteShortString("Café", 6);
    const Bytes expected = {4, 'C', 'a', 'f', 0xE9, 0, 0};
    EXPECT_EQ(writer.Bytes(), expected);

    // The bytes past the stored length carry no meaning and are ignored.
    const Bytes stored = {3, 0xC5, 'r', 'e', 'X', 'Y', 'Z'};
    RecordReader reader(stored);
    EXPECT_EQ(reader.ReadShortString(6), "Åre");
    EXPECT_TRUE(reader.AtEnd());

    RecordWriter full;
    full.WriteShortString("abcdef", 6);
    full.WriteShortString("", 1);
    EXPECT_EQ(full.Size(), 9u);
    RecordReader back(full.Bytes());
    EXPECT_EQ(back.ReadShortString(6), "abcdef");
    EXPECT_EQ(back.ReadShortString(1), "");
}

TEST(RecordCodec, RefusesTextThatDoesNotFitAndWritesNothing) {
    RecordWriter writer;
    writer.WriteByte(7);
    try {
        writer.WriteShortString("Seventeen letters", 16);
        ADD_FAILURE() << "no exception";
    } catch (const ENotStorable& error) {
        EXPECT_EQ(error.Message(),
                  "The text \"Seventeen letters\" is longer than the 16 characters that can be "
                  "saved.");
    }
    // Characters count, not UTF-8 bytes: six accented letters fit into six places.
    EXPECT_NO_THROW(writer.WriteShortString("éèêëàç", 6));
    const std::size_t before = writer.Size();
    EXPECT_THROW(writer.WriteShortString("東京", 40), ENotStorable);
    EXPECT_THROW(writer.WriteShortString("\xC3", 40), ENotStorable);
    EXPECT_THROW(writer.WriteListChoice({1, std::string(256, 'x')}), ENotStorable);
    EXPECT_THROW(writer.WriteListChoice({1, "Ω"}), ENotStorable);
    EXPECT_EQ(writer.Size(), before);
}

TEST(RecordCodec, RefusesNumbersThatAreNotFinite) {
    RecordWriter writer;
    EXPECT_THROW(writer.WriteDouble(std::numeric_limits<double>::quiet_NaN()), ENotStorable);
    EXPECT_THROW(writer.WriteDouble(-std::numeric_limits<double>::infinity()), ENotStorable);
    EXPECT_THROW(writer.WriteSingle(std::numeric_limits<float>::infinity()), ENotStorable);
    EXPECT_THROW(writer.WriteExtended(std::numeric_limits<long double>::quiet_NaN()), ENotStorable);
    EXPECT_EQ(writer.Size(), 0u);

    const Bytes nanDouble = {0, 0, 0, 0, 0, 0, 0xF8, 0x7F};
    EXPECT_THROW(RecordReader(nanDouble).ReadDouble(), EDamagedFile);
    const Bytes infinitySingle = {0, 0, 0x80, 0x7F};
    EXPECT_THROW(RecordReader(infinitySingle).ReadSingle(), EDamagedFile);
}

TEST(RecordCodec, RefusesAStoredLengthAboveTheCapacity) {
    const Bytes stored = {7, 'a', 'b', 'c', 'd', 'e', 'f'};
    RecordReader reader(stored);
    try {
        reader.ReadShortString(6);
        ADD_FAILURE() << "no exception";
    } catch (const EDamagedFile& error) {
        EXPECT_EQ(error.Message(), "The file is damaged or incomplete.");
    }
}

TEST(RecordCodec, LaysOutListChoicesIn264Bytes) {
    RecordWriter writer;
    writer.WriteListChoice({3, "Quarterly"});
    const Bytes& bytes = writer.Bytes();
    ASSERT_EQ(bytes.size(), kListChoiceSize);
    EXPECT_EQ((Bytes{bytes.begin(), bytes.begin() + 5}), (Bytes{3, 0, 0, 0, 9}));
    EXPECT_EQ(std::string(bytes.begin() + 5, bytes.begin() + 14), "Quarterly");
    for (std::size_t i = 14; i < kListChoiceSize; ++i) {
        EXPECT_EQ(bytes[i], 0) << "byte " << i;
    }
    // Whatever the last four bytes hold, reading ignores them.
    Bytes stale = bytes;
    for (std::size_t i = 260; i < 264; ++i) {
        stale[i] = 0xAB;
    }
    RecordReader reader(stale);
    EXPECT_EQ(reader.ReadListChoice(), (ListChoice{3, "Quarterly"}));
    EXPECT_TRUE(reader.AtEnd());
}

TEST(RecordCodec, RefusesATruncatedRecordAtEveryCutPoint) {
    const Bytes full = WriteSample(Sample{});
    for (std::size_t length = 0; length < full.size(); ++length) {
        // An exact-size copy, so that a read past the end would be caught by the sanitizers.
        const Bytes cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(length));
        EXPECT_THROW(ReadSample(cut), EDamagedFile) << "cut after " << length << " bytes";
    }
}

TEST(RecordCodec, KeepsItsPlaceWhenAReadIsRefused) {
    const Bytes bytes = {1, 2, 3};
    RecordReader reader(bytes);
    reader.Skip(1);
    EXPECT_THROW(reader.ReadInt32(), EDamagedFile);
    EXPECT_EQ(reader.Position(), 1u);
    EXPECT_EQ(reader.Remaining(), 2u);
    EXPECT_EQ(reader.ReadUInt16(), 0x0302);
    EXPECT_THROW(reader.Skip(1), EDamagedFile);
    EXPECT_THROW(reader.ReadBytes(std::numeric_limits<std::size_t>::max()), EDamagedFile);
}

TEST(RecordCodec, ContinuesAfterExistingBytes) {
    RecordWriter writer(Bytes{9, 9});
    writer.WriteByte(1);
    EXPECT_EQ(writer.Bytes(), (Bytes{9, 9, 1}));
}

} // namespace
} // namespace quarvex::codec
