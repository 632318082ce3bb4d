#pragma once

#include "platform/dbase/TagIndex.h"

#include <cstdint>
#include <filesystem>
#include <vector>

// The index cache: a table's tags saved beside it ("Trans.dbf" → "Trans.qix") so that opening
// a large table does not read every record to rebuild them. The cache is only a copy: it is
// used when the stamp it was written with matches the table exactly (file identity, size,
// modification and change times, our change counter, record count) and its checksum holds,
// and is rebuilt from the records otherwise. It is therefore written without flushing, and a
// cache that is lost, stale or damaged costs one rebuild, never a wrong answer.
namespace quarvex::dbase {

struct TableStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;
    std::uint32_t changeCounter = 0;
    std::uint32_t recordCount = 0;
    friend bool operator==(const TableStamp&, const TableStamp&) = default;
};

std::filesystem::path IndexCachePath(const std::filesystem::path& table);

// Writes the tags (temporary file, then rename); errors are ignored, as the cache is a copy.
void WriteIndexCache(const std::filesystem::path& table, const TableStamp& stamp,
                     const std::vector<TagIndex*>& tags);

// Removes the temporary files of cache writes whose process is gone (a program killed while
// writing one leaves it behind): ".NAME.qix.tmp-PID" with no live process PID. Those of live
// processes are left alone, as is anything else; errors are ignored.
void RemoveStaleIndexTemporaries(const std::filesystem::path& folder);

// Fills the tags from the cache when it holds every one of them for exactly this stamp.
bool ReadIndexCache(const std::filesystem::path& table, const TableStamp& stamp,
                    const std::vector<TagIndex*>& tags);

} // namespace quarvex::dbase
