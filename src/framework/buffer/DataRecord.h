#pragma once

#include "framework/buffer/FieldSpec.h"

#include <string>
#include <vector>

namespace quarvex::framework {

// One entry of a series that a calculator's record carries beside its fields (the cash flows
// of the net present value and IRR calculators): a date (day number) and an amount.
struct SeriesEntry {
    std::int32_t date = -1;
    double amount = 0;
    friend bool operator==(const SeriesEntry&, const SeriesEntry&) = default;
};

// The values of a calculator's fields, in the order of its field table, with the prompts that
// caption them. A calculator reads and writes it by field index.
class DataRecord {
public:
    DataRecord() = default;
    explicit DataRecord(std::span<const FieldSpec> fields);

    std::size_t Size() const { return values_.size(); }
    const FieldSpec& Spec(std::size_t field) const { return fields_[field]; }
    std::span<const FieldSpec> Fields() const { return fields_; }

    const FieldValue& Value(std::size_t field) const { return values_.at(field); }
    // Replaces a value; raises std::invalid_argument when its type is not the field's.
    void SetValue(std::size_t field, FieldValue value);

    template <class T> const T& Get(std::size_t field) const {
        return std::get<T>(values_.at(field));
    }
    template <class T> void Set(std::size_t field, T value) { SetValue(field, FieldValue(value)); }

    // The record's series; empty for calculators without one. It travels with the values.
    const std::vector<SeriesEntry>& Series() const { return series_; }
    std::vector<SeriesEntry>& Series() { return series_; }

    const std::string& Prompt(std::size_t field) const { return prompts_.at(field); }
    void SetPrompt(std::size_t field, std::string prompt) {
        prompts_.at(field) = std::move(prompt);
    }

    // Prompts and publisher's values of the field table.
    void Reset();
    // Copies the values (inputs and results) and the series, not the prompts.
    void CopyValuesFrom(const DataRecord& other);

    friend bool operator==(const DataRecord& a, const DataRecord& b) {
        return a.values_ == b.values_ && a.prompts_ == b.prompts_ && a.series_ == b.series_;
    }

private:
    std::span<const FieldSpec> fields_;
    std::vector<FieldValue> values_;
    std::vector<std::string> prompts_;
    std::vector<SeriesEntry> series_;
};

} // namespace quarvex::framework
