#include "engines/depreciation/calculator/TcbDecBal.h"
#include "engines/depreciation/calculator/TcbMACRS.h"
#include "engines/depreciation/calculator/TcbSlDep.h"
#include "engines/depreciation/calculator/TcbSumofYears.h"
#include "framework/codec/WholeFile.h"
#include "support/BufferFixture.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstring>

namespace quarvex::engines {
namespace {

using Bytes = std::vector<std::uint8_t>;
using framework::Choice;
using framework::Date;

const std::int32_t kPlaced = dates::DMYToDayNumber(12, 4, 2021);

// The bytes of a file laid out by hand: values put at their offsets in a zeroed buffer.
struct Layout {
    Bytes bytes;
    explicit Layout(std::size_t size) : bytes(size, 0) {}
    void Text(std::size_t offset, std::string_view text) {
        bytes.at(offset) = static_cast<std::uint8_t>(text.size());
        std::memcpy(&bytes.at(offset + 1), text.data(), text.size());
    }
    template <class T> void Number(std::size_t offset, T value) {
        static_assert(std::endian::native == std::endian::little);
        bytes.at(offset + sizeof(T) - 1); // inside the file
        std::memcpy(&bytes[offset], &value, sizeof(T));
    }
    void Header(std::string_view signature) {
        Text(0, signature);
        bytes[17] = 1;
        bytes[18] = 0;
    }
};

constexpr std::size_t kH = 19; // the header before a record

Bytes YearsFile(std::string_view signature, const std::array<std::string_view, 6>& prompts) {
    Layout file(kH + 3139);
    file.Header(signature);
    const std::string_view headings[] = {"Year", "Depreciation", "Adjusted Basis",
                                         "Year", "Depreciation", "Adjusted Basis"};
    for (std::size_t i = 0; i < 6; ++i) {
        file.Text(kH + 256 * i, prompts[i]);
        file.Text(kH + 256 * (6 + i), headings[i]);
    }
    file.Text(kH + 3072, "Press brake");
    file.Number(kH + 3113, 10000.0);
    file.Number(kH + 3121, 1000.0);
    file.Number(kH + 3129, 4.5f);
    file.Number(kH + 3133, std::int16_t{80});
    file.Number(kH + 3135, kPlaced);
    return file.bytes;
}

template <class Buffer> void FillYears(Buffer& buffer) {
    auto& data = buffer.Data();
    data.Set(Buffer::Asset, std::string("Press brake"));
    data.Set(Buffer::BookValue, 10000.0);
    data.Set(Buffer::SalvageValue, 1000.0);
    data.Set(Buffer::RecoveryPeriod, 4.5f);
    data.Set(Buffer::BusinessUse, std::int16_t{80});
    data.Set(Buffer::InService, Date{kPlaced});
}

struct DataFiles : ::testing::Test {
    testing::BufferFixture fixture;

    // Writes the buffer's file, compares it with the bytes expected, then reads the expected
    // bytes into a fresh buffer and compares the inputs.
    template <class Buffer> void RoundTrip(Buffer& filled, const Bytes& expected) {
        const std::string path =
            (fixture.folder / ("file." + filled.DataFile()->extension)).string();
        filled.WriteDataFile(path);
        EXPECT_EQ(codec::ReadWholeFile(path), expected);
        codec::WriteWholeFile(path, expected);
        Buffer loaded(fixture.context);
        loaded.InitData();
        ASSERT_TRUE(loaded.ReadDataFile(path));
        for (std::size_t i = 0; i < loaded.Data().Size(); ++i) {
            EXPECT_EQ(loaded.Data().Value(i), filled.Data().Value(i)) << "field " << i;
        }
    }
};

TEST_F(DataFiles, StraightLineLaysOutEveryField) {
    TcbSlDep buffer(fixture.context);
    buffer.InitData();
    FillYears(buffer);
    RoundTrip(buffer, YearsFile("sld", {"&Asset?:", "Boo&k Value?:", "Sal&vage Value?:",
                                        "&Recovery Period?:", "&Business Use? (%):",
                                        "Placed &Into Service?:"}));
}

TEST_F(DataFiles, SumOfYearsLaysOutEveryField) {
    TcbSumofYears buffer(fixture.context);
    buffer.InitData();
    FillYears(buffer);
    RoundTrip(buffer, YearsFile("sum", {"&Asset?:", "Book &Value?:", "Salva&ge Value?:",
                                        "&Recovery Period? (Yrs):", "&Business Use? (%):",
                                        "Placed &Into Service?:"}));
}

TEST_F(DataFiles, DecliningBalanceLaysOutEveryField) {
    TcbDecBal buffer(fixture.context);
    buffer.InitData();
    auto& data = buffer.Data();
    data.Set(TcbDecBal::Asset, std::string("Lathe"));
    data.Set(TcbDecBal::BookValue, 25000.5);
    data.Set(TcbDecBal::SalvageValue, 2500.25);
    data.Set(TcbDecBal::RecoveryPeriod, 7.5f);
    data.Set(TcbDecBal::Acceleration, std::int16_t{150});
    data.Set(TcbDecBal::InService, Date{kPlaced});

    Layout file(kH + 3114);
    file.Header("dec");
    const std::string_view prompts[] = {"&Book Value?:", "Salvage &Value?:", "&Recovery Period?:",
                                        "Acceleration Percen&tage? (%):", "Placed &Into Service?:"};
    for (std::size_t i = 0; i < 5; ++i) {
        file.Text(kH + 256 * i, prompts[i]);
    }
    file.Number(kH + 1280, 25000.5);
    file.Number(kH + 1288, 2500.25);
    file.Number(kH + 1296, 7.5f);
    file.Number(kH + 1300, std::int16_t{150});
    file.Number(kH + 1302, kPlaced);
    const std::string_view headings[] = {"Year", "Depreciation", "Adjusted Basis"};
    for (std::size_t i = 0; i < 6; ++i) {
        file.Text(kH + 1306 + 256 * i, headings[i % 3]);
    }
    file.Text(kH + 2842, "&Asset?:");
    file.Text(kH + 3098, "Lathe");
    RoundTrip(buffer, file.bytes);
}

TEST_F(DataFiles, MacrsLaysOutEveryField) {
    TcbMACRS buffer(fixture.context);
    buffer.InitData();
    auto& data = buffer.Data();
    data.Set(TcbMACRS::Asset, std::string("Delivery van"));
    data.Set(TcbMACRS::BusinessUse, std::int16_t{75});
    data.Set(TcbMACRS::BookValue, 31000.0);
    data.Set(TcbMACRS::InService, Date{kPlaced});
    data.Set(TcbMACRS::RecoveryPeriod, 5.0f);
    data.Set(TcbMACRS::Section179, 1234.56);
    data.Set(TcbMACRS::Method, Choice{1});
    data.Set(TcbMACRS::Convention, Choice{2});

    Layout file(92);
    file.Header("MACRS");
    file.Text(19, "Delivery van");
    file.Number(60, std::int16_t{75});
    file.Number(64, 31000.0);
    file.Number(72, kPlaced);
    file.Number(76, 5.0f);
    file.Number(80, 1234.56);
    file.Number(88, std::int16_t{1});
    file.Number(90, std::int16_t{2});
    RoundTrip(buffer, file.bytes);
}

TEST_F(DataFiles, AnotherKindOrADamagedFileIsAVersionMismatchAndChangesNothing) {
    // One file of each kind, written by its calculator.
    TcbSlDep straight(fixture.context);
    TcbSumofYears digits(fixture.context);
    TcbDecBal declining(fixture.context);
    TcbMACRS macrs(fixture.context);
    TcbDepreciation* const buffers[] = {&straight, &digits, &declining, &macrs};
    std::vector<std::string> paths;
    for (TcbDepreciation* buffer : buffers) {
        buffer->InitData();
        paths.push_back((fixture.folder / ("kind." + buffer->DataFile()->extension)).string());
        buffer->WriteDataFile(paths.back());
    }
    // A straight-line file with its date out of the calendar, one cut short, one with a
    // recovery period beyond its field, and a MACRS file with a method past the list.
    Bytes badDate = YearsFile("sld", {"a", "b", "c", "d", "e", "f"});
    badDate[kH + 3135 + 3] = 0x7f;
    Bytes shortFile = badDate;
    shortFile.resize(100);
    Bytes longPeriod = YearsFile("sld", {"a", "b", "c", "d", "e", "f"});
    const float tooLong = 1000.0f;
    std::memcpy(&longPeriod[kH + 3129], &tooLong, 4);
    Bytes badMethod = macrs.FileBytes();
    badMethod[88] = 6;
    const std::pair<std::string, Bytes> damaged[] = {{"date.sld", badDate},
                                                     {"short.sld", shortFile},
                                                     {"period.sld", longPeriod},
                                                     {"method.mac", badMethod}};
    for (const auto& [name, bytes] : damaged) {
        paths.push_back((fixture.folder / name).string());
        codec::WriteWholeFile(paths.back(), bytes);
    }

    for (TcbDepreciation* buffer : buffers) {
        buffer->Data().Set(1, buffer->Data().Value(1)); // inputs as they are
        const framework::DataRecord before = buffer->Data();
        for (const std::string& path : paths) {
            const bool own = path.ends_with("kind." + buffer->DataFile()->extension);
            fixture.messages.shown.clear();
            EXPECT_EQ(buffer->ReadDataFile(path), own) << path;
            if (!own) {
                ASSERT_EQ(fixture.messages.shown.size(), 1u) << path;
                EXPECT_EQ(fixture.messages.shown[0].text, "Version Mismatch");
                EXPECT_EQ(fixture.messages.shown[0].icon, MessageIcon::Information);
                EXPECT_EQ(buffer->Data(), before) << path;
            }
        }
    }
}

} // namespace
} // namespace quarvex::engines
