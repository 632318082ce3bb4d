#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

// Whole reads and writes at an offset, with the errors of the table engine.
namespace quarvex::dbase {

// The text of an error number.
std::string ErrorText(int error);

// Reads exactly bytes.size() bytes at `offset`; false when the file ends first. Throws
// codec::EFileAccess naming `file` on a read error.
bool ReadAt(int fd, std::uint64_t offset, std::span<std::uint8_t> bytes,
            const std::filesystem::path& file);

// Writes all the bytes at `offset`; throws codec::EFileAccess naming `file` on failure (a
// full disk included).
void WriteAt(int fd, std::uint64_t offset, std::span<const std::uint8_t> bytes,
             const std::filesystem::path& file);

// Flushes a file to the disk; throws codec::EFileAccess naming `file` on failure.
void SyncFile(int fd, const std::filesystem::path& file);

// Sets a file's size; throws codec::EFileAccess naming `file` on failure.
void TruncateFile(int fd, std::uint64_t size, const std::filesystem::path& file);

// Makes the creations, renames and removals in a folder durable; throws codec::EFileAccess.
void SyncFolder(const std::filesystem::path& folder);

} // namespace quarvex::dbase
