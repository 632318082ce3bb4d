#include "engines/depreciation/InclusionSource.h"

#include "framework/codec/RecordWriter.h"
#include "platform/Exception.h"

#include <charconv>
#include <cmath>
#include <string>

namespace quarvex::engines {

namespace {

[[noreturn]] void Refuse(int line, const std::string& why) {
    throw Exception("auto inclusion table, line " + std::to_string(line) + ": " + why);
}

std::vector<double> Numbers(std::string_view text, int line) {
    std::vector<double> numbers;
    while (true) {
        const std::size_t comma = text.find(',');
        const std::string_view part = text.substr(0, comma);
        double value = 0;
        const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value);
        if (error != std::errc() || end != part.data() + part.size() || !std::isfinite(value) ||
            value < 0) {
            Refuse(line, "'" + std::string(part) + "' is not an amount");
        }
        numbers.push_back(value);
        if (comma == std::string_view::npos) {
            return numbers;
        }
        text.remove_prefix(comma + 1);
    }
}

} // namespace

InclusionTable ParseInclusionSource(std::string_view text) {
    InclusionTable table;
    std::size_t count = 0;
    std::optional<double> end;
    int line = 0;
    while (!text.empty()) {
        ++line;
        const std::size_t newline = text.find('\n');
        std::string_view row = text.substr(0, newline);
        text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
        if (!row.empty() && row.back() == '\r') {
            row.remove_suffix(1);
        }
        if (row.empty() || row.front() == '#') {
            continue;
        }
        if (row.starts_with("year,")) {
            table.year = static_cast<float>(Numbers(row.substr(5), line).at(0));
            continue;
        }
        if (row.starts_with("end,")) {
            end = Numbers(row.substr(4), line).at(0);
            continue;
        }
        const std::vector<double> numbers = Numbers(row, line);
        if (numbers.size() != 6) {
            Refuse(line, "a bracket takes its lower bound and five amounts");
        }
        if (count == InclusionTable::kBrackets) {
            Refuse(line, "more than 75 brackets");
        }
        if (count > 0 && numbers[0] <= table.brackets[count - 1].lowerBound) {
            Refuse(line, "the brackets must ascend");
        }
        auto& bracket = table.brackets[count++];
        bracket.lowerBound = static_cast<float>(numbers[0]);
        for (std::size_t i = 0; i < 5; ++i) {
            bracket.amounts[i] = static_cast<float>(numbers[i + 1]);
        }
        if (numbers[1] + numbers[2] + numbers[3] + numbers[4] + numbers[5] == 0) {
            Refuse(line, "a bracket without amounts");
        }
    }
    if (count == 0 || table.year == 0) {
        Refuse(line, "the table needs its year and at least one bracket");
    }
    if (count < InclusionTable::kBrackets) {
        if (!end || *end <= table.brackets[count - 1].lowerBound) {
            Refuse(line, "a table of fewer than 75 brackets needs the end of its last one");
        }
        for (std::size_t k = count; k < InclusionTable::kBrackets; ++k) {
            table.brackets[k] = {static_cast<float>(*end), {}};
        }
    }
    return table;
}

std::vector<std::uint8_t> InclusionTableBytes(const InclusionTable& table) {
    codec::RecordWriter writer;
    for (const auto& bracket : table.brackets) {
        writer.WriteSingle(bracket.lowerBound);
        for (const float amount : bracket.amounts) {
            writer.WriteSingle(amount);
        }
    }
    writer.WriteSingle(table.year);
    writer.WriteZeros(InclusionTable::kRecordSize - 4);
    return writer.Take();
}

} // namespace quarvex::engines
