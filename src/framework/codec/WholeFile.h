#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace quarvex::codec {

// Our data files are a few kilobytes, schedules with many rows a few megabytes; anything
// larger is not one of them.
inline constexpr std::size_t kMaxDataFileSize = 64u * 1024u * 1024u;

// The bytes of a regular file. Throws EFileAccess naming the file when it cannot be opened or
// read, is not a regular file, or holds more than `maxBytes` bytes (checked while reading, so
// a file that grows meanwhile is caught too).
std::vector<std::uint8_t> ReadWholeFile(const std::filesystem::path& path,
                                        std::size_t maxBytes = kMaxDataFileSize);

// Replaces the file with `bytes` so that it never exists half-written: the bytes go into a
// new file in the same folder, are flushed to the disk, and that file is renamed over the
// old one (whose permissions it takes). On any failure the old file is untouched, the
// temporary file removed, and EFileAccess thrown naming the file.
void WriteWholeFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

} // namespace quarvex::codec
