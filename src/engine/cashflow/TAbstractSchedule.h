#pragma once

#include "engine/FinanceErrors.h"

#include <vector>

namespace quarvex::engine {

// A schedule: an ordered list of fixed-size rows that can hand out copies of them. The row type
// fixes the record; the amortization, present-value, future-value and annuity schedules each
// have their own.
template <class Record> class TAbstractSchedule {
public:
    using RecordType = Record;

    virtual ~TAbstractSchedule() = default;

    // Copies one record. A missing target is a programming error (ENotAllocTransRec).
    virtual void CopyRecord(const Record& source, Record* target) const = 0;

    // Clears the caller's list and appends a copy of every record in order; the caller owns the
    // copies. A missing list is a programming error (ENotAllocSchedule).
    virtual void CopySchedule(std::vector<Record>* list) const = 0;

protected:
    TAbstractSchedule() = default;
    TAbstractSchedule(const TAbstractSchedule&) = default;
    TAbstractSchedule& operator=(const TAbstractSchedule&) = default;
};

} // namespace quarvex::engine
