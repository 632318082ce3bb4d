#pragma once

#include "platform/dbase/Field.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The header of a dBASE III table file, byte by byte:
//   0      version: 0x03, a dBASE III table without memo file
//   1-3    date of the last update: year - 1900, month, day
//   4-7    record count, 32 bits little-endian
//   8-9    header length: 32 + 32 per field + 1 (one more in the first dBASE III)
//   10-11  record length: 1 (deleted flag) + the field widths
//   12-15  zero
//   16-19  our change counter (in the bytes dBASE III PLUS reserves for its network
//          version): every change we make adds one, so another process of ours sees that
//          the table changed even when its size and time stamp did not
//   20-28  zero
//   29     language driver 0x03, Windows ANSI: tells other readers the text is Windows-1252
//   30-31  zero
//   then 32 bytes per field: name (11 bytes, NUL-padded), type letter, 4 zero bytes,
//   width, decimals, 14 zero bytes; then the terminator 0x0D.
// The records follow the header: a flag byte (' ' kept, '*' deleted) and the field texts;
// the byte 0x1A follows the last record, and the file ends there.
namespace quarvex::dbase {

inline constexpr std::uint8_t kVersionDbase3 = 0x03;
inline constexpr std::uint8_t kVersionDbase3WithMemo = 0x83;
inline constexpr std::uint8_t kLanguageWindowsAnsi = 0x03;
inline constexpr std::uint8_t kFieldTerminator = 0x0D;
inline constexpr std::uint8_t kEndOfFile = 0x1A;
inline constexpr std::uint8_t kRecordKept = ' ';
inline constexpr std::uint8_t kRecordDeleted = '*';
inline constexpr std::size_t kHeaderPrefix = 32;
inline constexpr std::size_t kDescriptorSize = 32;

struct TableHeader {
    std::uint8_t version = kVersionDbase3;
    std::array<std::uint8_t, 3> updated{}; // year - 1900, month, day
    std::uint32_t recordCount = 0;
    std::uint16_t headerLength = 0;
    std::uint16_t recordLength = 0;
    std::uint32_t changeCounter = 0;
    std::uint8_t languageDriver = kLanguageWindowsAnsi;
    std::vector<FieldSpec> fields;
};

// A header for new fields: header and record lengths computed, no records.
TableHeader NewHeader(std::vector<FieldSpec> fields);

// The 32 bytes that begin the file.
std::array<std::uint8_t, kHeaderPrefix> EncodeHeaderPrefix(const TableHeader& header);

// The whole header, `headerLength` bytes: the prefix, the descriptors, the terminator and
// zeros up to the header length.
std::vector<std::uint8_t> EncodeHeader(const TableHeader& header);

// The header length the first 32 bytes give.
std::uint16_t HeaderLengthOf(std::span<const std::uint8_t> prefix);

// Reads and checks a header: `bytes` holds at least its first `HeaderLengthOf` bytes (or the
// whole file when that is shorter), `fileSize` is the file's size and `lastByte` its last
// byte. Throws EDamagedTable naming `fileName` and the fault for anything that is not a dBASE
// III table we can read: the header length must be that of the fields, the record length
// their sum, and the file must end with the counted records (CheckRecordArea).
TableHeader DecodeHeader(std::span<const std::uint8_t> bytes, std::uint64_t fileSize,
                         std::uint8_t lastByte, const std::string& fileName);

// Checks that the file ends right after the records the header counts, with or without the
// end mark 0x1A (dBASE readers accept a table without it, so we do too). Anything more or
// less means the count or the lengths are wrong, and a write would then land on records.
void CheckRecordArea(const TableHeader& header, std::uint64_t fileSize, std::uint8_t lastByte,
                     const std::string& fileName);

// The update date bytes of a calendar date (years 1900 to 2155).
std::array<std::uint8_t, 3> UpdateDateBytes(int year, int month, int day);

} // namespace quarvex::dbase
