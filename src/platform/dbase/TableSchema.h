#pragma once

#include "platform/dbase/Field.h"
#include "platform/dbase/TagExpression.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace quarvex::dbase {

// What the program expects of a table: the fields it creates a missing table with (and
// requires, by name and type, of an existing one) and the index tags it keeps on it.
struct TableSchema {
    std::vector<FieldSpec> fields;
    std::vector<TagSpec> tags;
    friend bool operator==(const TableSchema&, const TableSchema&) = default;
};

enum class OpenMode {
    Shared,    // other programs may open the table too; reads and changes take turns
    Exclusive, // no other program has it open: needed to pack and reindex
};

// Progress of packing and reindexing: records done out of the total, from (0, total) to
// (total, total).
using Progress = std::function<void(std::uint64_t done, std::uint64_t total)>;

} // namespace quarvex::dbase
