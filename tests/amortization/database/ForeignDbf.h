#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// A dBASE III table written the way another program writes one, straight from the published
// file layout and without our table engine: a 32-byte header (version 3, date of the last
// update, record count, header and record lengths), one 32-byte descriptor per field (name,
// type, width, decimals), the terminator 0x0D, then each record as a flag byte and its field
// texts, and the end mark 0x1A.
namespace quarvex::amortization::database::testing {

struct ForeignField {
    std::string name;
    char type = 'C';
    int length = 1;
    int decimals = 0;
};

struct ForeignRecord {
    std::vector<std::string> values; // one text per field, padded by the writer
    bool deleted = false;
};

// Texts right-aligned in number fields, left-aligned elsewhere, as dBASE pads them.
inline std::string Padded(const ForeignField& field, const std::string& value) {
    const auto width = static_cast<std::size_t>(field.length);
    if (value.size() >= width) {
        return value.substr(0, width);
    }
    const std::string blanks(width - value.size(), ' ');
    return field.type == 'N' ? blanks + value : value + blanks;
}

// A number as dBASE writes it into a field of this width and decimals.
inline std::string FixedNumber(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

inline void WriteForeignDbf(const std::filesystem::path& path,
                            const std::vector<ForeignField>& fields,
                            const std::vector<ForeignRecord>& records) {
    std::vector<std::uint8_t> bytes;
    const auto put16 = [&](std::size_t value) {
        bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
    };
    std::size_t recordLength = 1;
    for (const ForeignField& field : fields) {
        recordLength += static_cast<std::size_t>(field.length);
    }
    const std::size_t headerLength = 32 + 32 * fields.size() + 1;
    bytes.push_back(0x03);
    bytes.insert(bytes.end(), {101, 7, 4}); // last updated 4 July 2001
    const std::size_t count = records.size();
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.push_back(static_cast<std::uint8_t>((count >> shift) & 0xFF));
    }
    put16(headerLength);
    put16(recordLength);
    bytes.resize(32, 0);
    for (const ForeignField& field : fields) {
        std::string name = field.name;
        name.resize(11, '\0');
        bytes.insert(bytes.end(), name.begin(), name.end());
        bytes.push_back(static_cast<std::uint8_t>(field.type));
        bytes.insert(bytes.end(), 4, 0);
        bytes.push_back(static_cast<std::uint8_t>(field.length));
        bytes.push_back(static_cast<std::uint8_t>(field.decimals));
        bytes.insert(bytes.end(), 14, 0);
    }
    bytes.push_back(0x0D);
    for (const ForeignRecord& record : records) {
        bytes.push_back(record.deleted ? '*' : ' ');
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const std::string text = Padded(fields[i], record.values.at(i));
            bytes.insert(bytes.end(), text.begin(), text.end());
        }
    }
    bytes.push_back(0x1A);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

} // namespace quarvex::amortization::database::testing
