#pragma once

#include "engine/formulas/coInterest.h"
#include "framework/buffer/CalcBuffer.h"

namespace quarvex::calculators {

// Compound or simple interest on an amount between two dates (or over a number of days).
class TcbInterest : public framework::CalcBuffer {
public:
    enum Field : std::size_t {
        RateBasis,
        PV,
        NumDays,
        Rate,
        StartDate,
        StartDay, // the weekday of the start date
        EndDate,
        EndDay,
        CmpPYR,
        Interest,
        FV,
        APY,
        DailyRate,
    };

    static const framework::CalculatorSpec& Definition();
    explicit TcbInterest(framework::BufferContext& context);

    void InitData() override;
    void Calculate() override;
    // Days and dates move together: new days move the end date (or, below 1, the start date);
    // a new date sets the days between them. The weekday names follow the dates.
    void FormFieldChanged(framework::DataRecord& form, std::size_t field) const override;

private:
    engine::coInterest interest_;
};

} // namespace quarvex::calculators
