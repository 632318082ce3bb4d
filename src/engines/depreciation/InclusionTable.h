#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace quarvex::engines {

// The lease inclusion amounts of passenger automobiles as "auto.bin" holds them: 76 records of
// six little-endian singles. Records 1 to 75 are brackets (the lower bound of the fair market
// value, then the amounts of years 1 to 5, the fifth serving every later year); record 76
// starts with the year of the table. A bracket whose amounts are all 0 stands for no bracket:
// it fills the records a table with fewer brackets leaves over.
struct InclusionTable {
    static constexpr std::size_t kBrackets = 75;
    static constexpr std::size_t kRecordSize = 6 * 4;
    static constexpr std::size_t kFileSize = (kBrackets + 1) * kRecordSize; // 1824

    struct Bracket {
        float lowerBound = 0;
        std::array<float, 5> amounts{};
    };
    std::array<Bracket, kBrackets> brackets{};
    float year = 0;

    // The bracket of a fair market value: the last whose lower bound is below it; none when
    // the value is not above the first bound or the bracket found stands for none.
    std::optional<std::size_t> FindBracket(double fairMarketValue) const;
};

// The table in a file's bytes; nothing when they are not 1824 bytes of finite numbers.
std::optional<InclusionTable> ParseInclusionTable(std::span<const std::uint8_t> bytes);

// The folder of the running program, with its trailing separator.
std::string ProgramFolder();

} // namespace quarvex::engines
