#include "platform/dbase/Header.h"

#include "platform/dbase/DbaseErrors.h"

#include <cstdio>
#include <set>

namespace quarvex::dbase {

namespace {

std::uint32_t Read32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

std::uint16_t Read16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

void Write32(std::uint8_t* out, std::uint32_t value) {
    for (int at = 0; at < 4; ++at) {
        out[at] = static_cast<std::uint8_t>(value >> (8 * at));
    }
}

void Write16(std::uint8_t* out, std::uint16_t value) {
    out[0] = static_cast<std::uint8_t>(value);
    out[1] = static_cast<std::uint8_t>(value >> 8);
}

[[noreturn]] void Damaged(const std::string& fileName, const std::string& reason) {
    throw EDamagedTable("The table \"" + fileName +
                        "\" is damaged or is not a dBASE III table: " + reason + ".");
}

std::string Hex(std::uint8_t byte) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", byte);
    return text;
}

bool IsTypeWeRead(char type) {
    return type == 'C' || type == 'N' || type == 'F' || type == 'D' || type == 'L';
}

// A field read from another writer's file: the name rules are looser than those for the
// tables we create (any printable character), the widths must suit the type.
FieldSpec DecodeDescriptor(std::span<const std::uint8_t> slot, std::size_t number,
                           const std::string& fileName) {
    std::string name;
    for (std::size_t at = 0; at < 11 && slot[at] != 0; ++at) {
        name += static_cast<char>(slot[at]);
    }
    const std::string label = "field " + std::to_string(number);
    if (name.empty() || name.size() > 10) {
        Damaged(fileName, label + " has no valid name");
    }
    for (const char c : name) {
        if (static_cast<unsigned char>(c) <= 0x20 || static_cast<unsigned char>(c) >= 0x7F) {
            Damaged(fileName, label + " has no valid name");
        }
    }
    FieldSpec field;
    field.name = CanonicalFieldName(name);
    const char type = static_cast<char>(slot[11]);
    if (!IsTypeWeRead(type)) {
        Damaged(fileName, "the field " + field.name + " has the type " +
                              (type >= 0x21 && type < 0x7F ? "'" + std::string(1, type) + "'"
                                                           : Hex(slot[11])) +
                              ", which this program does not read");
    }
    field.type = static_cast<FieldType>(type);
    field.length = slot[16];
    field.decimals = slot[17];
    bool widthOk = field.length >= 1;
    switch (field.type) {
    case FieldType::Character:
        field.decimals = 0; // some writers leave other bytes here; a text has no decimals
        break;
    case FieldType::Numeric:
    case FieldType::Float:
        widthOk = widthOk && field.decimals < field.length;
        break;
    case FieldType::Date:
        widthOk = field.length == 8;
        field.decimals = 0;
        break;
    case FieldType::Logical:
        widthOk = field.length == 1;
        field.decimals = 0;
        break;
    }
    if (!widthOk) {
        Damaged(fileName, "the field " + field.name + " has a width of " +
                              std::to_string(field.length) + " and " + std::to_string(slot[17]) +
                              " decimals, which its type does not allow");
    }
    return field;
}

std::vector<FieldSpec> DecodeDescriptors(std::span<const std::uint8_t> headerBytes,
                                         const std::string& fileName) {
    std::vector<FieldSpec> fields;
    std::set<std::string> names;
    for (std::size_t at = kHeaderPrefix;; at += kDescriptorSize) {
        if (at < headerBytes.size() && headerBytes[at] == kFieldTerminator) {
            break;
        }
        if (at + kDescriptorSize >= headerBytes.size()) {
            Damaged(fileName, "the list of fields does not end with the terminator byte 0x0D");
        }
        FieldSpec field =
            DecodeDescriptor(headerBytes.subspan(at, kDescriptorSize), fields.size() + 1, fileName);
        if (!names.insert(field.name).second) {
            Damaged(fileName, "two fields are named " + field.name);
        }
        fields.push_back(std::move(field));
    }
    if (fields.empty()) {
        Damaged(fileName, "the table has no field");
    }
    return fields;
}

// The header length must be that of the fields, and the record length their sum: where
// either disagrees, the records would be read from the wrong place. The one variant
// accepted is the header of the first dBASE III, which puts a NUL byte after the terminator
// (a header one byte longer; dBASE III PLUS and later dropped the byte and read both).
void CheckLengths(const TableHeader& header, std::span<const std::uint8_t> headerBytes,
                  const std::string& fileName) {
    const std::size_t fieldsEnd = kHeaderPrefix + kDescriptorSize * header.fields.size() + 1;
    const bool withNul = header.headerLength == fieldsEnd + 1 && headerBytes[fieldsEnd] == 0;
    if (header.headerLength != fieldsEnd && !withNul) {
        Damaged(fileName, "the header length " + std::to_string(header.headerLength) +
                              " does not match its " + std::to_string(header.fields.size()) +
                              " fields, which need " + std::to_string(fieldsEnd));
    }
    std::size_t recordLength = 1;
    for (const auto& field : header.fields) {
        recordLength += field.length;
    }
    if (recordLength != header.recordLength) {
        Damaged(fileName, "the record length " + std::to_string(header.recordLength) +
                              " does not match its fields, which need " +
                              std::to_string(recordLength));
    }
}

} // namespace

TableHeader NewHeader(std::vector<FieldSpec> fields) {
    TableHeader header;
    std::size_t recordLength = 1;
    for (const auto& field : fields) {
        recordLength += field.length;
    }
    header.headerLength =
        static_cast<std::uint16_t>(kHeaderPrefix + kDescriptorSize * fields.size() + 1);
    header.recordLength = static_cast<std::uint16_t>(recordLength);
    header.fields = std::move(fields);
    return header;
}

std::array<std::uint8_t, kHeaderPrefix> EncodeHeaderPrefix(const TableHeader& header) {
    std::array<std::uint8_t, kHeaderPrefix> bytes{};
    bytes[0] = header.version;
    bytes[1] = header.updated[0];
    bytes[2] = header.updated[1];
    bytes[3] = header.updated[2];
    Write32(&bytes[4], header.recordCount);
    Write16(&bytes[8], header.headerLength);
    Write16(&bytes[10], header.recordLength);
    Write32(&bytes[16], header.changeCounter);
    bytes[29] = header.languageDriver;
    return bytes;
}

std::vector<std::uint8_t> EncodeHeader(const TableHeader& header) {
    std::vector<std::uint8_t> bytes(header.headerLength, 0);
    const auto prefix = EncodeHeaderPrefix(header);
    std::copy(prefix.begin(), prefix.end(), bytes.begin());
    std::size_t at = kHeaderPrefix;
    for (const auto& field : header.fields) {
        for (std::size_t c = 0; c < field.name.size() && c < 10; ++c) {
            bytes[at + c] = static_cast<std::uint8_t>(field.name[c]);
        }
        bytes[at + 11] = static_cast<std::uint8_t>(field.type);
        bytes[at + 16] = field.length;
        bytes[at + 17] = field.decimals;
        at += kDescriptorSize;
    }
    bytes[at] = kFieldTerminator;
    return bytes;
}

std::uint16_t HeaderLengthOf(std::span<const std::uint8_t> prefix) {
    return Read16(prefix, 8);
}

TableHeader DecodeHeader(std::span<const std::uint8_t> bytes, std::uint64_t fileSize,
                         std::uint8_t lastByte, const std::string& fileName) {
    if (fileSize < kHeaderPrefix || bytes.size() < kHeaderPrefix) {
        Damaged(fileName, "the file is shorter than a table header");
    }
    TableHeader header;
    header.version = bytes[0];
    if (header.version != kVersionDbase3 && header.version != kVersionDbase3WithMemo) {
        Damaged(fileName,
                "its first byte " + Hex(header.version) + " does not mark a dBASE III table");
    }
    header.updated = {bytes[1], bytes[2], bytes[3]};
    header.recordCount = Read32(bytes, 4);
    header.headerLength = Read16(bytes, 8);
    header.recordLength = Read16(bytes, 10);
    header.changeCounter = Read32(bytes, 16);
    header.languageDriver = bytes[29];
    if (header.headerLength < kHeaderPrefix + kDescriptorSize + 1) {
        Damaged(fileName, "the header length " + std::to_string(header.headerLength) +
                              " leaves no room for a field");
    }
    if (header.headerLength > fileSize || header.headerLength > bytes.size()) {
        Damaged(fileName, "the header length " + std::to_string(header.headerLength) +
                              " is beyond the end of the file (" + std::to_string(fileSize) +
                              " bytes)");
    }
    const auto headerBytes = bytes.first(header.headerLength);
    header.fields = DecodeDescriptors(headerBytes, fileName);
    CheckLengths(header, headerBytes, fileName);
    CheckRecordArea(header, fileSize, lastByte, fileName);
    return header;
}

void CheckRecordArea(const TableHeader& header, std::uint64_t fileSize, std::uint8_t lastByte,
                     const std::string& fileName) {
    if (header.recordLength == 0) {
        Damaged(fileName, "its records have a length of 0");
    }
    const std::uint64_t needed =
        static_cast<std::uint64_t>(header.headerLength) +
        static_cast<std::uint64_t>(header.recordCount) * header.recordLength;
    const std::string holds = "it says it holds " + std::to_string(header.recordCount) + " records";
    if (needed > fileSize) {
        Damaged(fileName,
                holds + ", but the file ends after " +
                    std::to_string((fileSize - header.headerLength) / header.recordLength) +
                    " of them");
    }
    const std::uint64_t extra = fileSize - needed;
    if (extra == 0 || (extra == 1 && lastByte == kEndOfFile)) {
        return;
    }
    // Bytes beyond the counted records may be records the count lost: appending would write
    // over them.
    const std::uint64_t records = (extra - (lastByte == kEndOfFile ? 1 : 0)) / header.recordLength;
    Damaged(fileName, holds + ", but the file goes on for " + std::to_string(extra) +
                          " bytes after them" +
                          (records > 0 ? " (" + std::to_string(records) + " more records)" : ""));
}

std::array<std::uint8_t, 3> UpdateDateBytes(int year, int month, int day) {
    const int yearByte = year < 1900 ? 0 : (year > 2155 ? 255 : year - 1900);
    return {static_cast<std::uint8_t>(yearByte), static_cast<std::uint8_t>(month),
            static_cast<std::uint8_t>(day)};
}

} // namespace quarvex::dbase
