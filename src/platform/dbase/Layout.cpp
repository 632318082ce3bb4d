#include "platform/dbase/Layout.h"

#include "platform/dbase/DbaseErrors.h"

namespace quarvex::dbase {

Layout::Layout(std::string tableName, std::vector<FieldSpec> fields)
    : tableName_(std::move(tableName)), fields_(std::move(fields)) {
    offsets_.reserve(fields_.size());
    for (auto& field : fields_) {
        field.name = CanonicalFieldName(field.name);
        offsets_.push_back(recordLength_);
        recordLength_ += field.length;
    }
}

std::optional<std::size_t> Layout::Find(std::string_view name) const {
    const std::string wanted = CanonicalFieldName(name);
    for (std::size_t index = 0; index < fields_.size(); ++index) {
        if (fields_[index].name == wanted) {
            return index;
        }
    }
    return std::nullopt;
}

std::size_t Layout::IndexOf(std::string_view name) const {
    if (const auto index = Find(name)) {
        return *index;
    }
    throw EInvalidRequest("The table \"" + tableName_ + "\" has no field " +
                          CanonicalFieldName(name) + ".");
}

} // namespace quarvex::dbase
