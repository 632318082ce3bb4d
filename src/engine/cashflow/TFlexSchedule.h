#pragma once

#include "engine/cashflow/TAbstractSchedule.h"
#include "framework/dates/Calendar.h"

#include <cstdint>
#include <vector>

namespace quarvex::engine {

// A schedule that owns its rows in an ordered list: clearing the list or removing a row frees
// it. FirstRow and LastRow are the range of rows a view shows; the 4-byte field, the three
// totals and the date are defined by the amortization schedule that uses them.
template <class Record> class TFlexSchedule : public TAbstractSchedule<Record> {
public:
    std::int32_t FirstRow = 0;
    std::int32_t LastRow = 0;
    std::int32_t Reserved = 0;
    double Total1 = 0;
    double Total2 = 0;
    double Total3 = 0;
    dates::DayNumber Date = 0;

    void CopyRecord(const Record& source, Record* target) const override {
        if (target == nullptr) {
            throw ENotAllocTransRec();
        }
        *target = source;
    }

    void CopySchedule(std::vector<Record>* list) const override {
        if (list == nullptr) {
            throw ENotAllocSchedule();
        }
        list->clear();
        list->reserve(records_.size());
        for (const Record& record : records_) {
            Record copy{};
            CopyRecord(record, &copy);
            list->push_back(copy);
        }
    }

    // Number of rows - 1 (-1 for an empty schedule).
    int LastIndex() const { return static_cast<int>(records_.size()) - 1; }
    int Count() const { return static_cast<int>(records_.size()); }

    std::vector<Record>& Records() { return records_; }
    const std::vector<Record>& Records() const { return records_; }

    Record& operator[](std::size_t index) { return records_.at(index); }
    const Record& operator[](std::size_t index) const { return records_.at(index); }

private:
    std::vector<Record> records_;
};

} // namespace quarvex::engine
