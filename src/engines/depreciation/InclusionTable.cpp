#include "engines/depreciation/InclusionTable.h"

#include "framework/codec/RecordReader.h"
#include "platform/Exception.h"

#include <algorithm>
#include <filesystem>

namespace quarvex::engines {

std::optional<std::size_t> InclusionTable::FindBracket(double fairMarketValue) const {
    std::optional<std::size_t> found;
    for (std::size_t k = 0; k < kBrackets; ++k) {
        if (fairMarketValue > brackets[k].lowerBound) {
            found = k;
        }
    }
    if (found) {
        const auto& amounts = brackets[*found].amounts;
        if (std::all_of(amounts.begin(), amounts.end(), [](float a) { return a == 0; })) {
            return std::nullopt;
        }
    }
    return found;
}

std::optional<InclusionTable> ParseInclusionTable(std::span<const std::uint8_t> bytes) {
    if (bytes.size() != InclusionTable::kFileSize) {
        return std::nullopt;
    }
    try {
        codec::RecordReader reader(bytes);
        InclusionTable table;
        for (auto& bracket : table.brackets) {
            bracket.lowerBound = reader.ReadSingle();
            for (float& amount : bracket.amounts) {
                amount = reader.ReadSingle();
            }
        }
        table.year = reader.ReadSingle();
        return table;
    } catch (const Exception&) {
        return std::nullopt;
    }
}

std::string ProgramFolder() {
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : program.parent_path().string() + "/";
}

} // namespace quarvex::engines
