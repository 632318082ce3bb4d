#pragma once

#include "platform/dbase/Field.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarvex::dbase {

// The fields of one table file and where each lies in a record: byte 0 of a record is the
// deleted flag, the fields follow in descriptor order. Also carries the table's file name for
// the messages of its values.
class Layout {
public:
    Layout(std::string tableName, std::vector<FieldSpec> fields);

    const std::string& TableName() const { return tableName_; }
    const std::vector<FieldSpec>& Fields() const { return fields_; }
    std::size_t FieldCount() const { return fields_.size(); }
    const FieldSpec& Field(std::size_t index) const { return fields_.at(index); }
    std::size_t Offset(std::size_t index) const { return offsets_.at(index); }
    std::size_t RecordLength() const { return recordLength_; }

    // The index of a field by name, in any case; nullopt when the table has no such field.
    std::optional<std::size_t> Find(std::string_view name) const;
    // The same, throwing EInvalidRequest naming the table when the field is missing.
    std::size_t IndexOf(std::string_view name) const;

    bool SameFieldsAs(const Layout& other) const { return fields_ == other.fields_; }

private:
    std::string tableName_;
    std::vector<FieldSpec> fields_;
    std::vector<std::size_t> offsets_;
    std::size_t recordLength_ = 1;
};

} // namespace quarvex::dbase
