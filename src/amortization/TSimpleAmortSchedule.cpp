#include "amortization/TSimpleAmortSchedule.h"

#include "amortization/EAmort.h"

namespace quarvex::amortization {

void TSimpleAmortSchedule::CopyRecord(const TSimpleAmortRec& source,
                                      TSimpleAmortRec* target) const {
    if (target == nullptr) {
        RaiseAmortError(kAmortNoRow);
    }
    *target = source;
}

void TSimpleAmortSchedule::CopySchedule(std::vector<TSimpleAmortRec>* list) const {
    if (list == nullptr) {
        RaiseAmortError(kAmortNoDestination);
    }
    if (list != &rows_) {
        *list = rows_;
    }
}

void TSimpleAmortSchedule::CopyTo(TSimpleAmortSchedule* destination) const {
    if (destination == nullptr) {
        RaiseAmortError(kAmortNoDestination);
    }
    CopySchedule(&destination->rows_);
}

double TSimpleAmortSchedule::LastBalance() const {
    return rows_.empty() ? 0.0 : rows_.back().Balance;
}

} // namespace quarvex::amortization
