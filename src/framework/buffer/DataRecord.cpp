#include "framework/buffer/DataRecord.h"

#include <stdexcept>

namespace quarvex::framework {

DataRecord::DataRecord(std::span<const FieldSpec> fields) : fields_(fields) {
    Reset();
}

void DataRecord::SetValue(std::size_t field, FieldValue value) {
    if (!HoldsType(value, fields_[field].type)) {
        throw std::invalid_argument("value of the wrong type for field " +
                                    std::string(fields_[field].control));
    }
    values_.at(field) = std::move(value);
}

void DataRecord::Reset() {
    values_.clear();
    prompts_.clear();
    series_.clear();
    for (const FieldSpec& field : fields_) {
        values_.push_back(HoldsType(field.publisherValue, field.type) ? field.publisherValue
                                                                      : ZeroValue(field.type));
        prompts_.emplace_back(field.prompt);
    }
}

void DataRecord::CopyValuesFrom(const DataRecord& other) {
    if (other.fields_.data() != fields_.data()) {
        throw std::invalid_argument("records of different calculators");
    }
    values_ = other.values_;
    series_ = other.series_;
}

} // namespace quarvex::framework
