#include "engines/depreciation/InclusionSource.h"
#include "engines/depreciation/coMACRS.h"
#include "framework/codec/WholeFile.h"
#include "platform/Exception.h"
#include "support/RecordingMessages.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace quarvex::engines {
namespace {

constexpr std::string_view kSource = "# two brackets\n"
                                     "year,2025\n"
                                     "end,66000\n"
                                     "62000,13,26,36,43,50\r\n"
                                     "64000,25,53,78,92,107\n";

TEST(InclusionTable, SourceBecomesTheFileLayout) {
    const std::vector<std::uint8_t> bytes = InclusionTableBytes(ParseInclusionSource(kSource));
    ASSERT_EQ(bytes.size(), 1824u);
    const auto single = [&bytes](std::size_t record, std::size_t number) {
        float value = 0;
        std::memcpy(&value, &bytes[record * 24 + number * 4], 4);
        return value;
    };
    EXPECT_EQ(single(0, 0), 62000);
    EXPECT_EQ(single(0, 5), 50);
    EXPECT_EQ(single(1, 1), 25);
    // The records left over start where the last bracket ends and hold no amounts.
    for (std::size_t record = 2; record < 75; ++record) {
        EXPECT_EQ(single(record, 0), 66000);
        EXPECT_EQ(single(record, 1), 0);
    }
    EXPECT_EQ(single(75, 0), 2025);
}

TEST(InclusionTable, RefusesASourceItCannotTrust) {
    for (const std::string_view source : {
             "year,2025\nend,66000\n64000,1,2,3,4,5\n62000,1,2,3,4,5\n", // descending
             "year,2025\n62000,1,2,3,4,5\n",                             // no end
             "year,2025\nend,66000\n62000,1,2,3,4\n",                    // four amounts
             "year,2025\nend,66000\n62000,1,2,x,4,5\n",
             "end,66000\n62000,1,2,3,4,5\n", // no year
             "year,2025\nend,66000\n62000,0,0,0,0,0\n",
         }) {
        EXPECT_THROW(ParseInclusionSource(source), Exception) << source;
    }
}

TEST(InclusionTable, TheBracketIsTheLastWhoseBoundIsBelowTheValue) {
    const InclusionTable table = ParseInclusionSource(kSource);
    const std::pair<double, std::optional<std::size_t>> cases[] = {
        {61000, std::nullopt},  {62000, std::nullopt},
        {62000.01, 0},          {64000, 0},
        {64000.5, 1},           {66000, 1},
        {66000.5, std::nullopt}};
    for (const auto& [value, bracket] : cases) {
        EXPECT_EQ(table.FindBracket(value), bracket) << value;
    }
    // A full table: the 75th bracket serves every value above its bound.
    InclusionTable full;
    for (std::size_t k = 0; k < InclusionTable::kBrackets; ++k) {
        full.brackets[k] = {static_cast<float>(1000 * (k + 1)), {1, 2, 3, 4, 5}};
    }
    EXPECT_EQ(full.FindBracket(75000.5), 74u);
    EXPECT_EQ(full.FindBracket(1e9), 74u);
    EXPECT_EQ(full.FindBracket(74500), 73u);
}

TEST(InclusionTable, AmountsComeFromTheFileBesideTheProgram) {
    const std::filesystem::path file = ProgramFolder() + "auto.bin";
    std::filesystem::remove(file);
    testing::RecordingMessages messages;
    std::vector<double> output(8, -1);
    EXPECT_EQ(coMACRS::LoadInclusionAmounts(7, output, 63000, 50, messages), 0);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "Auto inclusion amounts not found.\n\nOr not enough memory to open file.\n\n");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(output, std::vector<double>(8, -1));

    codec::WriteWholeFile(file, InclusionTableBytes(ParseInclusionSource(kSource)));
    EXPECT_EQ(coMACRS::LoadInclusionAmounts(7, output, 64500, 50, messages), 2025);
    // Half of 25, 53, 78, 92, 107, the fifth year's serving years 6 and 7.
    EXPECT_EQ(output, (std::vector<double>{-1, 12.5, 26.5, 39, 46, 53.5, 53.5, 53.5}));
    std::vector<double> beyond(3, -1);
    EXPECT_EQ(coMACRS::LoadInclusionAmounts(2, beyond, 90000, 100, messages), 2025);
    EXPECT_EQ(beyond, std::vector<double>(3, -1));
    std::filesystem::remove(file);
}

} // namespace
} // namespace quarvex::engines
